#pragma once

struct Package;

// Runs the installation from root: a selected package's "Installe" block with progress counting,
// then each of its sub-packages in list order, the same way. Unselected packages are passed
// over with everything below them. RunningPackage follows the walk and is null again at the
// end. A stop request ends the walk before the next command.
void runInstallation(Package& root);
