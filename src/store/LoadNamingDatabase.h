#pragma once

#include "core/Message.h"
#include "store/Folders.h"
#include "store/NamingStore.h"

#include <filesystem>

namespace store {

inline constexpr const char* kLoadCaption = "信息：";
inline constexpr const char* kOpenFailedMessage = "打开内存数据库失败！";
inline constexpr const char* kAttachFailedMessage = "将磁盘数据库附加到内存数据库失败！";

// `data/namedata.db` in the given program folder.
std::filesystem::path defaultDatabaseFile(const std::filesystem::path& programFolder);

// Copies the naming database file (normally `data/namedata.db` in the program folder) into a fresh in-memory
// database held by `store`: open, declare the tables, attach the file, copy every table inside one
// transaction, detach and index. Any failure is shown through `sink` (stop icon, caption "信息："), leaves
// the store closed so every later lookup reads as empty, and ends the load. Returns the final state (Ready or
// Failed); the store's loadState() follows the same steps while the load runs.
LoadState LoadNamingDatabase(NamingStore& store, const std::filesystem::path& databaseFile,
                             core::MessageSink& sink,
                             NamingStore::EngineCheck check = &NamingStore::engineIsSerialized);

} // namespace store
