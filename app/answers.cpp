#include "app/answers.h"

#include "packages/package.h"
#include "params/block_format.h"
#include "params/variable_store.h"
#include "platform/file_ops.h"

bool readAnswersFile(const char* path, ParamNode& answers, TextBuffer& error) {
    if (PathExists(path) && readTreeFile(answers, path)) return true;
    error.assign("R\xE9ponses illisibles : ");
    error.append(path);
    return false;
}

void applyProductAnswers(Package& package, const ParamNode& answers) {
    const ParamNode* products = answers.find("Produit");
    if (!products) return;
    for (auto& sub : package.subPackages) {
        if (const ParamNode* wanted = products->find(sub->id.text()))
            sub->setSelected(wanted->integerValue() != 0 ? 1 : 0);
        applyProductAnswers(*sub, answers);
    }
}

void applyParameterAnswers(const ParamNode& answers) {
    const ParamNode* values = answers.find("Variable");
    if (!values) return;
    for (ParamCell* c = values->children(); c; c = c->next) {
        if (ParamNode* variable = VariableStore().find(c->node->name()))
            variable->setText(c->node->value() ? c->node->value() : "");
    }
}

const char* answerFor(const ParamNode& answers, const char* text) {
    const ParamNode* replies = answers.find("Reponse");
    const ParamNode* reply = replies ? replies->find(text) : nullptr;
    if (!reply) return nullptr;
    return reply->value() ? reply->value() : "";
}
