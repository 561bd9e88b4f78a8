#pragma once

class ParamNode;
class TextBuffer;
struct Package;

// The answers file of an unattended run, in block text:
//   Produit      package "ID" = 1 to select it, 0 to leave it out (products and components)
//   Variable     variable name = the value the parameter page takes
//   Reponse      the message of a yes/no question or the prompt of a choice from a list =
//                the answer ("Oui" for yes, else no; the choice made)

// Reads the answers file into `answers`, converting a file saved as UTF-8 (with or without its
// byte-order mark); false with the reason in `error` when the file is missing, not block text
// (the reader also reports where on the error stream) or holds a character Windows-1252 cannot.
bool readAnswersFile(const char* path, ParamNode& answers, TextBuffer& error);

// Whether every entry of the answers file names something of the installation: a block
// "Produit", "Variable" or "Reponse", the ID of one of its packages, a variable one of them
// declares or sets (the extra variables included), a text its scripts may ask. False, naming each entry that does not with its line.
bool checkAnswers(const char* path, Package& root, TextBuffer& error);

// Selects or leaves out each package of the tree that the "Produit" block names, through the
// package's own confirmation.
void applyProductAnswers(Package& package, const ParamNode& answers);

// Gives the variables of the store that the "Variable" block names its values; the parameter
// page then shows them.
void applyParameterAnswers(const ParamNode& answers);

// The answer to a question, by its message or prompt; null when there is none.
const char* answerFor(const ParamNode& answers, const char* text);
