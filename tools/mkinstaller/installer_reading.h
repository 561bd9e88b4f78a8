#pragma once

#include <string>

#include "params/param_node.h"
#include "payload/payload_reader.h"
#include "tools/mkinstaller/temporary_folder.h"

// Reads an installer's container into `container` (given empty) as the stub does at start-up,
// with `work` as the work folder that holds the joined volumes and the scratch file: the
// directory, the volumes joined, the checksum verified. The messages the stub would show in its
// start-up boxes are added to `messages`, one child named after each.
ContainerState openInstaller(const std::string& installer, const TemporaryFolder& work,
                             Container& container, ParamNode& messages);
