#include "client_database.h"

#include "client_file.h"
#include "client_numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zelk {

namespace {

QString AbsoluteKey(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// A database named in a settings file written elsewhere may use "\" or "/".
QString FileNamePart(const QString& path) {
    const qsizetype cut =
        qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

// "<path>.damaged", or "<path>.damaged.2", ... when older copies are in the way:
// an older copy is never replaced.
QString FreeDamagedCopyPath(const QString& path) {
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = path + QStringLiteral(".damaged.%1").arg(n);
    return copy;
}

} // namespace

bool IsReadableFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

QString ResolveClientDatabasePath(const QString& lastOpenUserFile, const QString& programDir) {
    const QDir dir(programDir);
    if (!lastOpenUserFile.isEmpty()) {
        if (IsReadableFile(lastOpenUserFile)) return lastOpenUserFile;
        const QString name = FileNamePart(lastOpenUserFile);
        if (!name.isEmpty()) {
            const QString beside = dir.filePath(name);
            if (IsReadableFile(beside)) return beside;
        }
    }
    return dir.filePath(QLatin1String(kDefaultClientDatabaseName));
}

QString ClientTreeRootLabel(const QString& path) {
    return QFileInfo(FileNamePart(path)).completeBaseName() + QStringLiteral("_客戶資料");
}

bool ClientDatabase::needsBackupBeforeWrite(const QString& path) const {
    return guarded_.contains(AbsoluteKey(path));
}

void ClientDatabase::ApplyNextNumberRule() {
    const int32_t next = NextIdAfterRebuild(list_, settings_.userNextId());
    if (next != settings_.userNextId()) settings_.setUserNextId(next);
}

ClientStoreResult ClientDatabase::LoadClientDatabase(const QString& path) {
    const QString target = path.isEmpty() ? ResolveClientDatabasePath(settings_.lastOpenUserFile(),
                                                                      settings_.programDirectory())
                                          : path;
    settings_.setLastOpenUserFile(target);
    current_ = target;
    ClientStoreResult result = ReadClientFile(target, list_, true);
    if (result.has(kMsgFileDamaged) || result.has(kMsgCannotReadFile))
        guarded_.insert(AbsoluteKey(target));
    result.count = count();
    ApplyNextNumberRule();
    return result;
}

ClientStoreResult ClientDatabase::KeepDamagedCopy(const QString& path) {
    ClientStoreResult result;
    if (!needsBackupBeforeWrite(path) || !QFileInfo::exists(path)) return result;
    const QString copy = FreeDamagedCopyPath(path);
    if (!QFile::copy(path, copy)) return result.fail(kMsgDamagedCopyFailed, path);
    guarded_.remove(AbsoluteKey(path));
    return result.note(kMsgDamagedCopyKept, copy);
}

ClientStoreResult ClientDatabase::WriteList(const QString& path) {
    if (path.isEmpty()) return ClientStoreResult().fail(kMsgWriteFailed, path);
    ClientStoreResult result = KeepDamagedCopy(path);
    if (!result.ok) return result;
    ClientStoreResult written = WriteClientFile(path, list_);
    result.append(written);
    result.ok = written.ok;
    return result;
}

void ClientDatabase::EnsureCurrentPath() {
    if (current_.isEmpty())
        current_ =
            ResolveClientDatabasePath(settings_.lastOpenUserFile(), settings_.programDirectory());
}

ClientStoreResult ClientDatabase::StoreClient(const tagUserInfo& record, int index) {
    EnsureCurrentPath();
    ClientStoreResult result;
    if (index >= count()) return result.fail(kMsgClientNotFound, current_);
    if (index < 0 && count() >= kClientListLimit)
        return result.fail(kMsgClientLimit, current_, kClientListLimit);

    // Change the list in place and put it back when the file cannot take it.
    std::optional<tagUserInfo> previous;
    if (index < 0) {
        list_.push_back(record);
        index = count() - 1;
    } else {
        previous = list_[size_t(index)];
        list_[size_t(index)] = record;
    }
    result = WriteList(current_);
    if (!result.ok) {
        if (previous)
            list_[size_t(index)] = *previous;
        else
            list_.pop_back();
        return result;
    }
    result.append(LoadClientDatabase());
    result.index = index;
    return result;
}

ClientStoreResult ClientDatabase::DeleteClientAt(int index) {
    if (index < 0 || index >= count()) return ClientStoreResult().fail(kMsgCannotDelete, current_);
    return DeleteClientsAt({index});
}

ClientStoreResult ClientDatabase::DeleteClientsAt(const std::set<int>& positions) {
    EnsureCurrentPath();
    ClientList kept;
    kept.reserve(list_.size());
    for (int p = 0; p < count(); ++p)
        if (!positions.count(p)) kept.push_back(list_[size_t(p)]);
    std::swap(kept, list_);
    ClientStoreResult result = WriteList(current_);
    if (!result.ok) {
        std::swap(kept, list_);
        return result;
    }
    result.append(LoadClientDatabase());
    return result;
}

std::optional<tagUserInfo> ClientDatabase::GetClientAt(int index) const {
    if (index < 0 || index >= count()) return std::nullopt;
    return list_[size_t(index)];
}

std::vector<ClientIndex> ClientDatabase::FindClientsByNameAndId(tagUserInfo& key) const {
    std::vector<ClientIndex> found;
    const QString name = key.name.text();
    for (int p = 0; p < count(); ++p) {
        const tagUserInfo& r = list_[size_t(p)];
        if (r.id != key.id || r.name.text().compare(name, Qt::CaseInsensitive) != 0) continue;
        key = r;
        found.push_back(ClientIndex(p));
    }
    return found;
}

void ClientDatabase::RenumberClients(ClientList& list) {
    int32_t next = settings_.userNextId();
    zelk::RenumberClients(list, next);
    settings_.setUserNextId(next);
}

QString ClientDatabase::MakeClientAutoName(const tagUserInfo& record) const {
    return zelk::MakeClientAutoName(record, settings_.userNextId(), settings_.yearDisplay());
}

ClientStoreResult ClientDatabase::AppendClients(const ClientList& source) {
    EnsureCurrentPath();
    ClientStoreResult result;
    if (source.size() > size_t(kClientListLimit) - list_.size())
        return result.fail(kMsgClientLimit, current_, kClientListLimit);
    const size_t before = list_.size();
    list_.insert(list_.end(), source.begin(), source.end());
    result = WriteList(current_);
    if (!result.ok) {
        list_.resize(before);
        return result;
    }
    result.append(LoadClientDatabase());
    result.count = int(source.size());
    return result;
}

ClientStoreResult ClientDatabase::CreateClientDatabase(const QString& path) {
    ClientList previous;
    std::swap(previous, list_);
    ClientStoreResult result = WriteList(path);
    if (!result.ok) {
        std::swap(previous, list_);
        return result;
    }
    result.append(LoadClientDatabase(path));
    return result;
}

ClientStoreResult ClientDatabase::SwitchClientDatabase(const QString& path) {
    if (!IsReadableFile(path)) return ClientStoreResult().fail(kMsgCannotOpenFile, path);
    return LoadClientDatabase(path);
}

ClientStoreResult ClientDatabase::SaveClientDatabaseAs(const QString& path) {
    ClientStoreResult result = WriteList(path);
    if (!result.ok) return result;
    result.append(LoadClientDatabase(path));
    return result;
}

ClientStoreResult ClientDatabase::SaveClientDatabase() {
    EnsureCurrentPath();
    return WriteList(current_);
}

} // namespace zelk
