// Who hears each account folder the teacher's overview reads (the
// assignments' statuses), none when empty.
#pragma once

#include <functional>
#include <string>

#include "ClassReader.h"

using PageFolderSinkFn = std::function<void(const std::string& account, const FolderFiles& files)>;
const PageFolderSinkFn& PageFolderSink();
void SetPageFolderSink(PageFolderSinkFn sink);
