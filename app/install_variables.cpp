#include "app/install_variables.h"

#include <cstring>

#include "app/product_list.h"
#include "packages/package.h"
#include "params/expansion.h"
#include "params/variable_store.h"
#include "platform/path_names.h"
#include "platform/system_info.h"
#include "script/script_engine.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

// The declaration text's first character gives the kind: "<" choices separated by "|" then ">"
// and the label, "&" free text, "*" an action; anything else is a folder labelled by the whole
// text.
void applyDeclaration(ParamNode& variable, ParamNode& info, const char* declaration) {
    if (declaration[0] == '<') {
        const char* end = std::strchr(declaration, '>');
        if (!end) {
            info.setText("???");
            return;
        }
        TextBuffer choices;
        choices.append(declaration + 1, static_cast<int32_t>(end - declaration - 1));
        ParamNode* kind = variable.findOrCreate("Type");
        kind->setInteger(kindChoice);
        kind->split(choices.text(), "|");
        variable.setText(kind->child(0)->value());
        info.setText(end + 1);
    } else if (declaration[0] == '&' || declaration[0] == '*') {
        variable.findOrCreate("Type")->setInteger(declaration[0] == '&' ? kindText : kindAction);
        info.setText(declaration + 1);
    } else {
        info.setText(declaration);
    }
}

void declareVariable(Package& package, const ParamNode& declaration) {
    ParamNode* variable = VariableStore().findOrCreate(declaration.name(), NewChild::atEnd);
    ParamNode* info = variable->findOrCreate("Info");
    ParamNode* script = variable->findOrCreate("Exec");
    variable->findOrCreate("IDProd")->setText(package.identity().text());
    for (ParamCell* c = declaration.children(); c; c = c->next)
        script->append(c->node->clone(Reach::tree));
    TextBuffer text(declaration.value());
    expandText(text, VariableStore().children(), nullptr);
    applyDeclaration(*variable, *info, text.text());
}

void declareProduct(Package& package) {
    if (!package.state) return;
    package.title.assign(package.FindBlock("Produit")->valueOf("Titre"));
    expandText(package.title, VariableStore().children(), nullptr);
    for (ParamCell* c = package.FindBlock("Attente")->children(); c; c = c->next) {
        TextBuffer picture = JoinPath(package.folder.text(), c->node->name());
        SlideShowList().findOrCreate(picture.text(), NewChild::atEnd)->setText(c->node->value());
    }
    for (ParamCell* c = package.FindBlock("Variable")->children(); c; c = c->next) {
        declareVariable(package, *c->node);
    }
    for (auto& sub : package.subPackages) declareProduct(*sub);
}

void mergeSettings(Package& package) {
    importVariables(ExtraVariables().children());
    importVariables(package.varTree.children());
    if (package.state) defineVariable(package.id.text());
    for (auto& sub : package.subPackages) mergeSettings(*sub);
}

}  // namespace

void prepareSystemVariables(Package& package, int shortcutMode) {
    clearVariables();
    SetSystemVariables(shortcutMode == 0, Language().text());
    mergeSettings(package);
}

void prepareProductVariables(Package& package, int shortcutMode) {
    prepareSystemVariables(package, shortcutMode);
    SlideShowList().reset(Reach::tree);
    declareProduct(package);
}

// The scripts are gathered before any runs: a script may add or remove variables while it runs.
void runInitialScripts(Package& root) {
    ParamNode scripts;
    for (ParamCell* c = VariableStore().children(); c; c = c->next) {
        ParamNode* owner = c->node->find("IDProd");
        ParamNode* script = c->node->find("Exec");
        if (!owner || !script) continue;
        ParamNode* copy = script->clone(Reach::tree);
        copy->setName(owner->value());
        scripts.append(copy);
    }
    for (ParamCell* c = scripts.children(); c; c = c->next) {
        if (Package* package = findPackage(root, c->node->name())) {
            RunBlock(*package, c->node, nullptr, BlockProgress::untracked);
        }
    }
}
