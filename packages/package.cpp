#include "packages/package.h"

#include "params/block_format.h"
#include "platform/folder_enumerator.h"
#include "platform/registry_key.h"
#include "session/translation.h"
#include "ui/responder.h"

namespace {

// The file's path with its last character replaced (install.ini -> install.inp / install.ins).
TextBuffer layerPath(const TextBuffer& path, char last) {
    TextBuffer layer;
    layer.append(path.text(), path.length() - 1);
    layer.appendChar(last);
    return layer;
}

// The package's own file, overlaid by the nearest .inp layer (which this package's own .inp
// replaces for itself and everything below it), then by its own .ins layer.
void loadLayered(const char* folder, const char* fileName, ParamNode& target,
                 ParamNode& inherited) {
    TextBuffer path(folder);
    path.appendPath(fileName);
    readTreeFile(target, path.text());
    ParamNode layer;
    readTreeFile(layer, layerPath(path, 'p').text());
    if (layer.childCount() > 0) inherited.copyFrom(&layer, copyWhole);
    target.merge(inherited, Unmatched::appended);
    readTreeFile(layer, layerPath(path, 's').text());
    target.merge(layer, Unmatched::appended);
}

}  // namespace

Package::Package(const char* folderPath, Package* parentPackage) {
    Package* root = this;
    for (Package* above = parentPackage; above; above = above->parent) root = above;
    identity_.appendInt(++root->packagesNumbered_);
    if (parentPackage) {
        installInherited.copyFrom(&parentPackage->installInherited, copyWhole);
        varInherited.copyFrom(&parentPackage->varInherited, copyWhole);
    }
    if (folderPath) load(folderPath, parentPackage);
}

Package::~Package() = default;

bool Package::load(const char* folderPath, Package* parentPackage) {
    subPackages.clear();
    state = 1;
    parent = parentPackage;
    folder.assign(folderPath);
    loadLayered(folderPath, "install.ini", installTree, installInherited);
    loadLayered(folderPath, "var.ini", varTree, varInherited);
    if (ParamNode* globals = installTree.find("Globale")) varTree.mergeValues(globals->children());
    ParamNode* product = FindBlock("Produit");
    if (ParamNode* initial = product->find("EtatDef")) state = initial->integerValue();
    ParamNode* productId = product->find("ID");
    id.assign(productId ? productId->value() : "null");
    loadSubPackages();
    return true;
}

void Package::loadSubPackages() {
    TextBuffer pattern(folder);
    pattern.appendPath("*.cpx");
    FolderEnumerator entries;
    if (!entries.Open(pattern.text(), ListingOf::matches)) return;
    FolderEntry entry;
    while (entries.Next(entry)) {
        if (!entry.isFolder) continue;
        TextBuffer subFolder(folder);
        subFolder.appendPath(entry.name.text());
        subPackages.insert(subPackages.begin(),
                           std::unique_ptr<Package>(new Package(subFolder.text(), this)));
    }
}

ParamNode* Package::FindBlock(const char* name) {
    TextBuffer localised(name);
    localised.appendChar('-');
    localised.append(Language().text());
    if (ParamNode* block = installTree.find(localised.text())) return block;
    return installTree.findOrCreate(name);
}

bool Package::setSelected(int newState) {
    if ((newState != 0) == (state != 0)) return true;
    ParamNode* message = FindBlock("Produit")->find(newState ? "MessEtat1" : "MessEtat0");
    if (message && hasVisibleByte(message->value()) &&
        !responder().askYesNo(translate("Appliquer le changement ?"), translate(message->value()))) {
        return false;
    }
    state = newState;
    return true;
}

void Package::readLanguage(TextBuffer& language) {
    ParamNode* locations = installTree.find("Langue");
    if (!locations) return;
    for (ParamCell* c = locations->children(); c; c = c->next) {
        RegistryKey key;
        if (!key.openPath(c->node->name(), KeyOpening::existing) || !key.isOpen()) continue;
        const char* stored = key.readValue(c->node->value(), KeyListing::cached, ValueForm::plain);
        if (hasVisibleByte(stored)) {
            language.assign(stored);
            return;
        }
    }
}

void Package::writeLanguage(const char* language) {
    ParamNode* locations = installTree.find("Langue");
    if (!locations) return;
    for (ParamCell* c = locations->children(); c; c = c->next) {
        RegistryKey key;
        key.allowWriting();
        key.openPath(c->node->name(), KeyOpening::create);
        key.writeValue(c->node->value(), language, IntegerNodes::asString);
    }
}
