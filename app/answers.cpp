#include "app/answers.h"

#include "packages/package.h"
#include "params/block_format.h"
#include "platform/file_ops.h"
#include "ui/data_list.h"

bool readAnswersFile(const char* path, ParamNode& answers, TextBuffer& error) {
    const char* reason = nullptr;
    if (!PathExists(path))
        reason = "Fichier de r\xE9ponses introuvable : ";
    else if (!readTreeFile(answers, path))
        reason = "Fichier de r\xE9ponses incorrect : ";
    if (!reason) return true;
    error.assign(reason);
    error.append(path);
    return false;
}

void applyProductAnswers(Package& package, const ParamNode& answers) {
    const ParamNode* products = answers.find("Produits");
    if (!products) return;
    for (auto& sub : package.subPackages) {
        if (const ParamNode* wanted = products->find(sub->id.text()))
            sub->setSelected(wanted->integerValue() != 0 ? 1 : 0);
        applyProductAnswers(*sub, answers);
    }
}

void applyParameterAnswers(CONTROLE_LISTE& list, const ParamNode& answers) {
    const ParamNode* values = answers.find("Parametres");
    if (!values) return;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (const ParamNode* value = values->find(list.getRowData(row)))
            list.setCellText(row, 0, value->value() ? value->value() : "");
    }
}

const char* answerFor(const ParamNode& answers, const char* title, const char* text) {
    const ParamNode* replies = answers.find("Reponses");
    if (!replies) return nullptr;
    const ParamNode* reply = text ? replies->find(text) : nullptr;
    if (!reply && title) reply = replies->find(title);
    if (!reply) return nullptr;
    return reply->value() ? reply->value() : "";
}
