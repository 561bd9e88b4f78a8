#pragma once

// Writes the payload out as a model folder beside the program, Maquette\<stem>.cpx: the install
// description unpacked, every other library as stored (mode 1) or unpacked into a subfolder named
// after it (mode 2; the extra variables, which are no archive, stay as stored). Failures are shown
// together in one message box.
void writeModelFolder(int mode);
