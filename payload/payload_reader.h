#pragma once

#include <atomic>
#include <cstdint>

#include "params/param_node.h"
#include "params/text_buffer.h"
#include "platform/file_ops.h"
#include "session/container.h"

// Reading the container appended to a program file, and copying its libraries out. Failures come
// back with their texts, translated; showing or listing them is the caller's.

enum class ContainerState {
    Sound,       // directory read; size and checksum right, or no checksum to verify
    Damaged,     // the volumes or the checksum are wrong: start-up goes on, the wizard is not shown
    Unreadable,  // the directory cannot be read: no library can be extracted
};

// Reads the directory that follows the stub in the program file into `directory` (which the
// caller gives empty): one child per entry, named after the library, whose value is the offset
// of the library's first byte and whose child "Taille" holds its size. Sets `end` to the
// container's end. False, leaving `directory` empty, when the directory cannot be read: a read
// that fails, a 102nd entry, a name not followed by a space (names over 159 bytes included),
// or a container that would end past 2 GiB.
bool readDirectoryEntries(const char* programPath, ParamNode& directory, int64_t& end);

// Copies the program file and its volumes (its path followed by 1, 2, ... up to the first that
// is missing) into the file "cloneexe.exe" of `workFolder`. When that copy holds exactly `end`
// bytes, `programPath` becomes its path; otherwise false.
bool joinVolumes(TextBuffer& programPath, const char* workFolder, int64_t end);

// Which of the container's two checksums over the first end - 4 bytes of the file equal the
// big-endian value in the 4 bytes that follow (a value that cannot be read counts as 0): the
// literal one, and the one with the PE header's signing fields read as zeros, which a signed
// program still matches. 0 when neither does.
enum ChecksumMatch { checksumLiteral = 1, checksumSigningNeutral = 2 };
int checksumMatches(const char* programPath, int64_t end);

// The whole reading, called when the file at container.programPath is longer than the stub:
// the directory into the container (whose entries the caller gives empty), the volumes joined
// into workFolder when the file is shorter than the container (programPath then names the joined
// copy), and the checksum verified when the directory has an entry named exactly "CRC". Each
// failure's message is appended to `failures`, one child named after it, in the order found.
ContainerState readContainer(Container& container, const char* workFolder, ParamNode& failures);

enum class ExtractionOutcome { done, failed, stopped };

// What copying a library out gave.
struct Extraction {
    ExtractionOutcome outcome = ExtractionOutcome::done;
    // Why it failed: the library is missing, the scratch file cannot be written, or the reason
    // the unpacking gave (none for an archive that ends inside a folder).
    TextBuffer error;
    // For an unpacking that failed, the text of its "ExtLIB" entry in the error list: the
    // program file, the destination and the reason. Empty for any other outcome.
    TextBuffer unpackingError;
};

// Copies the library `name` (looked up exactly in the container's entries) out of the
// container's program file: with a destination, unpacked there; without, as stored into the
// container's scratch file. An unpacking halted by `stop` is stopped, not failed.
Extraction extractLibrary(const Container& container, const char* name, const char* destination,
                          CopyCounter* counter, const std::atomic<bool>* stop = nullptr);
