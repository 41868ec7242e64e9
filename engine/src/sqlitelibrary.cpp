#include "sqlitelibrary.h"

#include "dlsymbols.h"

namespace brisca {

namespace {

// SQLite 3 has kept this soname since its first release.
constexpr const char* kSoname = "libsqlite3.so.0";

bool load(SqliteLibrary* lib, std::string* error)
{
    void* handle = openSystemLibrary(kSoname, error);
    if (!handle)
        return false;
    std::string missing;
    resolve(handle, "sqlite3_open_v2", &lib->openV2, &missing);
    resolve(handle, "sqlite3_close_v2", &lib->closeV2, &missing);
    resolve(handle, "sqlite3_exec", &lib->exec, &missing);
    resolve(handle, "sqlite3_busy_timeout", &lib->busyTimeout, &missing);
    resolve(handle, "sqlite3_errcode", &lib->errcode, &missing);
    resolve(handle, "sqlite3_errmsg", &lib->errmsg, &missing);
    resolve(handle, "sqlite3_errstr", &lib->errstr, &missing);
    resolve(handle, "sqlite3_prepare_v2", &lib->prepareV2, &missing);
    resolve(handle, "sqlite3_finalize", &lib->finalize, &missing);
    resolve(handle, "sqlite3_reset", &lib->reset, &missing);
    resolve(handle, "sqlite3_step", &lib->step, &missing);
    resolve(handle, "sqlite3_bind_int", &lib->bindInt, &missing);
    resolve(handle, "sqlite3_bind_int64", &lib->bindInt64, &missing);
    resolve(handle, "sqlite3_bind_text", &lib->bindText, &missing);
    resolve(handle, "sqlite3_bind_blob", &lib->bindBlob, &missing);
    resolve(handle, "sqlite3_column_int64", &lib->columnInt64, &missing);
    resolve(handle, "sqlite3_column_blob", &lib->columnBlob, &missing);
    resolve(handle, "sqlite3_column_bytes", &lib->columnBytes, &missing);
    resolve(handle, "sqlite3_last_insert_rowid", &lib->lastInsertRowid, &missing);
    return resolvedAll(kSoname, missing, error);
}

}  // namespace

const SqliteLibrary* sqliteLibrary(std::string* error)
{
    return loadOnce<SqliteLibrary, load>(error);
}

}  // namespace brisca
