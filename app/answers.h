#pragma once

class CONTROLE_LISTE;
class ParamNode;
class TextBuffer;
struct Package;

// The answers file of an unattended run, in block text:
//   Produits     package "ID" = 1 to select it, 0 to leave it out (products and components)
//   Parametres   variable name = the value the parameter page takes
//   Reponses     question = answer ("Oui" or "Non" for the yes/no and OK/Cancel questions, the
//                text typed, the choice made or the file picked), the question named by its
//                message or prompt, else by its window title

// Reads the answers file into `answers`; false with the reason in `error` when the file is
// missing or not block text.
bool readAnswersFile(const char* path, ParamNode& answers, TextBuffer& error);

// Selects or leaves out each package of the tree that the "Produits" block names, through the
// package's own confirmation.
void applyProductAnswers(Package& package, const ParamNode& answers);

// Puts the "Parametres" values into the first cell of the parameter page's rows they name.
void applyParameterAnswers(CONTROLE_LISTE& list, const ParamNode& answers);

// The answer to a question: looked up by its text, then by its title; null when there is none.
const char* answerFor(const ParamNode& answers, const char* title, const char* text);
