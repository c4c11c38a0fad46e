#include "client_import_export.h"

#include "client_csv.h"
#include "client_file.h"
#include "client_numbers.h"
#include "client_v2_file.h"

#include <QFileInfo>

namespace zelk {

ClientFileKind ClientFileKindOf(const QString& extension) {
    if (extension == u"csv") return ClientFileKind::Csv;
    if (extension == u"AID") return ClientFileKind::Legacy;
    if (extension == u"kvy") return ClientFileKind::Database;
    return ClientFileKind::Unsupported;
}

QString ClientFileExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

namespace {

// Reads the source into `scratch`; CSV lines take numbers from `nextId`.
bool ReadImportSource(ClientFileKind kind, const QString& path, ClientList& scratch,
                      int32_t& nextId, int yearDisplay, ClientImportResult& result) {
    switch (kind) {
    case ClientFileKind::Csv: {
        const ClientCsvText csv = ReadClientCsvText(path);
        if (!csv.opened) {
            result.fail(kMsgCannotOpenFile, path);
            return false;
        }
        const ClientCsvParse parse = ParseClientCsv(csv.text, scratch, nextId, yearDisplay);
        if (parse.anyLine) {
            result.rejectedPath = csv.rejectedPath;
            result.rejected = int(parse.rejectedLines.size());
            result.append(WriteRejectedLines(csv.rejectedPath, parse, csv.encoding));
        }
        return true;
    }
    case ClientFileKind::Legacy: {
        const ClientStoreResult read = ReadV2ClientFile(path, scratch);
        result.append(read);
        if (!read.ok) result.ok = false;
        return read.ok;
    }
    case ClientFileKind::Database: {
        const ClientStoreResult read = ReadClientFile(path, scratch, true);
        result.append(read);
        if (!read.ok) {
            if (!read.has(kMsgCannotReadFile)) result.note(kMsgCannotOpenFile, path);
            result.ok = false;
        }
        return read.ok;
    }
    case ClientFileKind::Unsupported:
        break;
    }
    result.fail(kMsgUnsupportedFile, path);
    return false;
}

} // namespace

ClientImportResult ImportClientFile(ClientDatabase& database, const QString& extension,
                                    const QString& path) {
    ClientImportResult result;
    const ClientFileKind kind = ClientFileKindOf(extension);
    if (kind == ClientFileKind::Unsupported) {
        result.fail(kMsgUnsupportedFile, path);
        return result;
    }
    ClientSettings& settings = database.settings();
    int32_t nextId = settings.userNextId();
    ClientList scratch;
    if (!ReadImportSource(kind, path, scratch, nextId, settings.yearDisplay(), result))
        return result;
    if (scratch.size() > size_t(kClientListLimit - database.count())) {
        result.fail(kMsgClientLimit, database.currentPath(), kClientListLimit);
        return result;
    }
    RenumberClients(scratch, nextId);

    const int32_t before = settings.userNextId();
    settings.setUserNextId(nextId);
    const ClientStoreResult stored = database.AppendClients(scratch);
    result.append(stored);
    if (!stored.ok) {
        // Nothing was added, so no number was used.
        settings.setUserNextId(before);
        result.ok = false;
        return result;
    }
    result.imported = int(scratch.size());
    result.count = result.imported;
    return result;
}

std::vector<int> CheckedVisiblePositions(const ClientList& list, const std::set<int>& checked,
                                         const ClientFilter& filter) {
    std::vector<int> positions;
    for (int p : checked)
        if (p >= 0 && size_t(p) < list.size() && MatchesClientFilter(filter, list[size_t(p)]))
            positions.push_back(p);
    return positions;
}

ClientStoreResult ExportCheckedClients(const ClientList& list, const std::set<int>& checked,
                                       const ClientFilter& filter, const QString& extension,
                                       const QString& path) {
    ClientStoreResult result;
    const std::vector<int> positions = CheckedVisiblePositions(list, checked, filter);
    if (positions.empty()) return result.fail(kMsgSelectClientFirst);

    switch (ClientFileKindOf(extension)) {
    case ClientFileKind::Csv:
        result = WriteClientCsvFile(path, list, positions);
        break;
    case ClientFileKind::Database:
        result = WriteClientFile(path, list, positions);
        break;
    default:
        return result.fail(kMsgUnsupportedFile, path);
    }
    if (result.ok)
        result.note(kMsgExportDone, path);
    else if (!result.has(kMsgExportFailed)) {
        result.notices.clear();
        result.fail(kMsgExportFailed, path);
    }
    return result;
}

} // namespace zelk
