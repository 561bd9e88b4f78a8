#include "app/parameter_list.h"

#include "app/install_session.h"
#include "app/install_variables.h"
#include "app/product_list.h"
#include "params/fold_upper.h"
#include "params/variable_store.h"
#include "script/script_engine.h"
#include "session/translation.h"
#include "ui/data_list.h"
#include "ui/file_dialogs.h"
#include "ui/responder.h"

namespace {

const char* const parameterColumns[] = {"Valeur", "", "D\xE9signation", "", nullptr};

// The choice after the current value (compared under the fold), the first one after the last or
// when none matches.
const char* nextChoice(const ParamNode& variable, const char* current) {
    ParamNode* choices = variable.find("Type");
    for (ParamCell* c = choices->children(); c; c = c->next) {
        if (foldEquals(c->node->name(), current)) {
            return (c->next ? c->next->node : choices->child(0))->name();
        }
    }
    return choices->child(0) ? choices->child(0)->name() : current;
}

// The row's label in the interface language: the prompt of its input and folder picker.
TextBuffer rowLabel(CONTROLE_LISTE& list, int row) {
    TextBuffer label(list.getCellText(row, 1));
    return TextBuffer(translate(label.text()));
}

void typeValue(CONTROLE_LISTE& list, int row, const char* current) {
    TextBuffer answer;
    if (responder().askText(translate("Saisissez votre valeur"), rowLabel(list, row).text(),
                            current, answer)) {
        list.setCellText(row, 0, answer.text());
    }
}

void runAction(InstallSession& session, const ParamNode& variable) {
    Package* package = findPackage(*session.rootPackage, variable.valueOf("IDProd"));
    setVariable("CLICUSR", "Oui");
    storeParameterValues(session.list);
    if (package) RunBlock(*package, variable.find("Exec"), nullptr, BlockProgress::untracked);
    removeVariable("CLICUSR");
    fillParameterList(session.list);
}

}  // namespace

void fillParameterList(CONTROLE_LISTE& list) {
    list.setColumns(parameterColumns);
    ParamNode texts;
    for (ParamCell* c = VariableStore().children(); c; c = c->next) {
        ParamNode* info = c->node->find("Info");
        if (!info) continue;
        texts.append(new ParamNode(c->node->name(), nullptr));
        texts.append(new ParamNode(c->node->value() ? c->node->value() : "", nullptr));
        // The label is the product's own text, shown in the interface language.
        texts.append(new ParamNode(translate(info->value() ? info->value() : ""), nullptr));
    }
    ParamCell* next = texts.children();
    list.AjouteDonnees(nextTextOfList, &next);
}

void storeParameterValues(CONTROLE_LISTE& list) {
    for (int row = 0; row < list.rowCount(); ++row) {
        TextBuffer value(list.getCellText(row, 0));
        if (ParamNode* variable = VariableStore().find(list.getRowData(row))) {
            variable->setText(value.text());
        }
    }
}

void parameterClick(InstallSession& session, MouseButton button) {
    if (session.currentPage != pageParameters) return;
    CONTROLE_LISTE& list = session.list;
    int column;
    int row = list.hitTest(column);
    if (row < 0) return;
    ParamNode* variable = VariableStore().find(list.getRowData(row));
    if (!variable) return;
    TextBuffer current(list.getCellText(row, 0));
    switch (variable->integerOf("Type")) {
    case kindFolder:
        if (button == MouseButton::right) {
            typeValue(list, row, current.text());
        } else {
            TextBuffer folder;
            if (FolderDialog(rowLabel(list, row).text(), current.text(), folder)) {
                list.setCellText(row, 0, folder.text());
            }
        }
        break;
    case kindText: typeValue(list, row, current.text()); break;
    case kindAction: runAction(session, *variable); break;
    default: list.setCellText(row, 0, nextChoice(*variable, current.text())); break;
    }
}
