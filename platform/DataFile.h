// Reading and writing the program's plain-text data files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <functional>
#include <string_view>
#include <vector>

#include "AtomicFile.h"
#include "TokenReader.h"

// Sonorix's own settings (an INI file beside the data files), shared by the
// parts that keep a choice from one run to the next.
inline constexpr const char* kSettingsFileName = "sonorix.ini";

// --- a data folder shared with other accounts ----------------------------------
// Another account may write it (group- or other-writable, or set-group-ID).
// There the account's own choices (settings, filters) live in its own config
// folder, and what cannot be written into the shared files is kept in its own
// data folder until a later start can add it.

bool FolderIsShared(const std::string& dir);

// Entered by the program at start. Empty folders: the data folder is the
// account's own, and everything stays beside the data files.
void SetSharedDataFolder(const std::string& configDir, const std::string& keptDir);
bool DataFolderIsShared();

// Whether this account may look at the whole class (the Class Overview, the
// classmates' progress, clearing the cumulative report): in a folder of one's
// own always; in a shared folder only a teacher the administrator named.
void SetAccountIsTeacher(bool teacher);
bool AccountMayOversee();

// A file that belongs to the account rather than to the class: the bare name
// in a folder of one's own, else the name in the account's config folder
// (made when missing).
std::string AccountFile(const std::string& bareName);

// What goes wrong with a data file that the student has to hear about: the
// file, the reason, and where what was not written is kept (empty: nowhere).
// Each kind reaches the handler once per file and run, on the thread that met
// the trouble; stderr hears of every one.
enum class FileTrouble { NotWritten, NotUnderstood };
using FileTroubleHandler = std::function<void(FileTrouble, const std::string& file, const std::string& reason,
                                              const std::string& kept)>;
void SetFileTroubleHandler(FileTroubleHandler handler);
void ReportFileTrouble(FileTrouble trouble, const std::string& file, const std::string& reason,
                       const std::string& kept = {});

// Where this account keeps what it could not write into the shared folder;
// empty in a folder of one's own.
std::string KeptFolder();
// The kept copy of a shared file (in KeptFolder(), made when missing); empty
// when nothing is kept in this folder.
std::string KeptFile(const std::string& bareName);

// An append to a shared log that failed with `error`: the student is told and,
// in a shared folder, the bytes are kept to be appended at the next start.
void KeepUnsavedAppend(const std::string& name, std::string_view bytes, int error);
// Appends what was kept to the shared logs that are writable now; each kept
// copy goes once its bytes are in. Lines stay whole: a log that does not end
// with a line break gets one first when the kept bytes begin with a record.
void CatchUpUnsavedAppends(const std::vector<std::string>& names);

// Every byte of a file, Ctrl-Z or not; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& name);

// Reads a whole file by its bare name. Stops at the first Ctrl-Z byte (26).
// Returns nullopt when it cannot be opened.
std::optional<std::string> ReadTextFile(const std::string& name);

// WriteFileAtomic (AtomicFile.h) replaces a whole file; `bytes` already hold
// CR LF line breaks.

// Appends bytes in one write under the file's record lock (FileLock.h),
// creating the file when it does not exist. False on failure.
bool AppendToFile(const std::string& name, std::string_view bytes);
