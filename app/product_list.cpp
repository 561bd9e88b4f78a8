#include "app/product_list.h"

#include <cstring>
#include <vector>

#include "app/install_session.h"
#include "packages/package.h"
#include "params/expansion.h"
#include "params/variable_store.h"
#include "ui/data_list.h"

namespace {

// Pairs of column title and key in the package's "Produit" block.
const char* const productColumns[] = {"Titre", "Titre", "Version", "Version", "Date", "Date",
                                      "Plate-forme", "PF", "Description", "Info", nullptr};

// One row's texts, in the order the list reads them: the data text, then each column's cell.
void addRowTexts(ParamNode& texts, Package& package) {
    texts.append(new ParamNode(package.identity().text(), nullptr));
    ParamNode* product = package.FindBlock("Produit");
    for (int c = 0; productColumns[c]; c += 2) {
        TextBuffer cell(product->valueOf(productColumns[c + 1]));
        expandText(cell, VariableStore().children(), nullptr);
        texts.append(new ParamNode(cell.text(), nullptr));
    }
}

}  // namespace

void fillProductList(CONTROLE_LISTE& list, Package& root, int page) {
    list.setColumns(productColumns);
    ParamNode texts;
    std::vector<Package*> listed;
    for (auto& product : root.subPackages) {
        if (page == pageProducts) {
            listed.push_back(product.get());
        } else if (product->state) {
            for (auto& component : product->subPackages) listed.push_back(component.get());
        }
    }
    for (Package* package : listed) addRowTexts(texts, *package);
    ParamCell* next = texts.children();
    list.AjouteDonnees(nextTextOfList, &next);
    for (size_t row = 0; row < listed.size(); ++row) {
        if (listed[row]->state) list.selectRow(static_cast<int>(row));
    }
}

Package* findPackage(Package& root, const char* identity) {
    if (std::strcmp(root.identity().text(), identity) == 0) return &root;
    for (auto& sub : root.subPackages) {
        if (Package* found = findPackage(*sub, identity)) return found;
    }
    return nullptr;
}
