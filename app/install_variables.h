#pragma once

struct Package;

// The kinds of the declared variables, as their "Type" holds them (none for a folder).
enum ParameterKind { kindFolder = 0, kindText = 1, kindChoice = 2, kindAction = 3 };

// The variables that install scripts read, rebuilt by the wizard when it shows the licence page
// and again when it shows the parameter page.

// Empties the VariableStore and sets the system variables (all-users folders in the shared
// shortcut mode 0 only). Then, for the package and its sub-packages, parents first: the extra
// variables, the package's settings and, for a selected package, a variable named after its
// identifier (kept when it exists). Later merges win.
void prepareSystemVariables(Package& package, int shortcutMode);

// prepareSystemVariables and an empty slide show. Then, for the package and its sub-packages
// while they are selected: the display title, the slide show pictures of "Attente" and the
// variables declared in "Variable", each with its label ("Info"), script ("Exec"), declaring
// package ("IDProd") and kind ("Type": 1 text, 2 choice, 3 action; none for a folder).
void prepareProductVariables(Package& package, int shortcutMode);

// Runs the script of every declared variable on behalf of its package; failures go to the
// ErrorList.
void runInitialScripts(Package& root);
