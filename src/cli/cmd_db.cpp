// zelk-cli db: the client database from the command line.
//
//   zelk-cli db list FILE.kvy                      one JSON line per record
//   zelk-cli db import DB.kvy SOURCE               CSV, .AID or .kvy, by extension
//   zelk-cli db export DB.kvy OUT.csv|OUT.kvy [--finder TEXT]
//   zelk-cli db new FILE.kvy [--force]           refuses an existing file without --force
//
// All take --data-dir DIR: the settings there give UserNextId and YearDisplay.
// The databases named on the command line are used as given; the user's
// LastOpenUserFile is left alone.
#include "cli_support.h"

#include <QFileInfo>

#include "client_database.h"
#include "client_file.h"
#include "client_finder.h"
#include "client_import_export.h"

#include "calendar/current_time.h"
#include "settings/program_paths.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QString>

#include <cstdio>
#include <iostream>
#include <set>

namespace zelk::cli {

namespace {

inline constexpr int kYearDisplayKey = 433; // "YearDisplay"

// The settings a db command reads: UserNextId and YearDisplay from the settings
// file of the data folder (--data-dir, ZELK_DATA_DIR or the program's folder); a
// changed UserNextId is written back at once. LastOpenUserFile stays in memory:
// a script naming its databases does not change the desktop program's current file.
class DbSettings : public ClientSettings {
  public:
    explicit DbSettings(const std::string& dataDir)
        : dataDir_(ResolveDataDirectory(QString::fromStdString(dataDir))),
          settingsPath_(SettingsFilePath(dataDir_)),
          nextId_(GetIntSetting(key::UserNextId, settingsPath_, now_)),
          yearDisplay_(GetIntSetting(kYearDisplayKey, settingsPath_, now_)) {}

    int32_t userNextId() const override { return nextId_; }
    void setUserNextId(int32_t next) override {
        if (next == nextId_) return;
        nextId_ = next;
        if (!PutIntSetting(next, key::UserNextId, settingsPath_, false, now_).ok())
            writeFailed_ = true;
    }
    int yearDisplay() const override { return yearDisplay_; }
    QString lastOpenUserFile() const override { return lastOpen_; }
    void setLastOpenUserFile(const QString& path) override { lastOpen_ = path; }
    QString programDirectory() const override { return dataDir_; }

    // The next number could not be kept: later numbers may repeat.
    bool writeFailed() const { return writeFailed_; }
    const QString& settingsPath() const { return settingsPath_; }

  private:
    CurrentTime now_{};
    QString dataDir_;
    QString settingsPath_;
    int32_t nextId_;
    int yearDisplay_;
    QString lastOpen_;
    bool writeFailed_ = false;
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string U(const QString& s) {
    return s.toStdString();
}

std::string RecordJson(int index, const tagUserInfo& r) {
    Json j;
    j.beginObject();
    j.key("index").num(index);
    j.key("id").num(r.id);
    j.key("name").str(U(r.name.text()));
    j.key("year").num(r.year);
    j.key("month").num(r.month);
    j.key("day").num(r.day);
    j.key("hourIndex").num(r.hourIndex);
    j.key("hour").num(r.hour);
    j.key("minute").num(r.minute);
    j.key("lunarYear").num(r.lunarYear);
    j.key("lunarMonth").num(r.lunarMonth);
    j.key("lunarDay").num(r.lunarDay);
    j.key("sex").num(r.sex);
    j.key("isLeapMonth").num(r.isLeapMonth);
    j.key("address").str(U(r.address.text()));
    j.key("phone").str(U(r.phone.text()));
    j.key("note").str(U(r.note.text()));
    j.key("bloodType").num(r.bloodType);
    j.key("customBirthday").num(r.customBirthday);
    j.key("birthPlace").str(U(r.birthPlace.text()));
    j.key("longitude").str(U(r.longitude.text()));
    j.key("latitude").str(U(r.latitude.text()));
    j.key("height").num(r.height);
    j.key("siblingRank").num(r.siblingRank);
    j.key("education").str(U(r.education.text()));
    j.key("createdDate").str(U(r.createdDate.text()));
    j.key("email").str(U(r.email.text()));
    j.key("introducer").str(U(r.introducer.text()));
    j.key("category").str(U(r.category.text()));
    j.endObject();
    return j.text();
}

void AddNotices(Json& j, const ClientStoreResult& result) {
    j.key("notices").beginArray();
    for (const auto& n : result.notices) {
        j.beginObject();
        j.key("message").num(n.messageId);
        j.key("text").str(U(ClientMessageText(n.messageId)));
        if (!n.path.isEmpty()) j.key("path").str(U(n.path));
        if (n.number >= 0) j.key("number").num(n.number);
        j.endObject();
    }
    j.endArray();
}

// A failed operation: one JSON line with the first message and its file, status 1.
int Fail(const ClientStoreResult& result) {
    Json j;
    j.beginObject();
    const ClientNotice first = result.notices.empty() ? ClientNotice{} : result.notices.front();
    j.key("error").str(U(ClientNoticeText(first)));
    AddNotices(j, result);
    j.endObject();
    std::cout << j.text() << "\n";
    return 1;
}

void ExpectOperands(const Args& args, size_t count) {
    for (const auto& a : args)
        if (a.size() > 1 && a[0] == '-' && a[1] == '-') throw UsageError{"unknown option " + a};
    if (args.size() != count) throw UsageError{"expected " + std::to_string(count) + " operands"};
}

int ListDatabase(Args args) {
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    ExpectOperands(args, 1);
    ClientList list;
    const ClientStoreResult read = ReadClientFile(Q(args[0]), list, true);
    if (!read.ok) {
        ClientStoreResult failed = read;
        if (failed.notices.empty()) failed.fail(kMsgCannotOpenFile, Q(args[0]));
        return Fail(failed);
    }
    std::string out;
    for (size_t i = 0; i < list.size(); ++i)
        out += RecordJson(int(i), list[i]) + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    // Damage: the readable records were listed; say so where scripts look for it.
    for (const auto& n : read.notices)
        std::cerr << U(ClientNoticeText(n)) << "\n";
    return read.notices.empty() ? 0 : 1;
}

int ImportIntoDatabase(Args args) {
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    ExpectOperands(args, 2);
    DbSettings settings(dataDir);
    ClientDatabase database(settings);
    const ClientStoreResult loaded = database.LoadClientDatabase(Q(args[0]));
    const QString source = Q(args[1]);
    ClientImportResult result = ImportClientFile(database, ClientFileExtension(source), source);
    result.notices.insert(result.notices.begin(), loaded.notices.begin(), loaded.notices.end());
    if (!result.ok) return Fail(result);
    Json j;
    j.beginObject();
    j.key("imported").num(result.imported);
    j.key("rejected").num(result.rejected);
    if (!result.rejectedPath.isEmpty()) j.key("rejectedFile").str(U(result.rejectedPath));
    j.key("count").num(database.count());
    j.key("nextId").num(settings.userNextId());
    if (settings.writeFailed()) j.key("settingsWriteFailed").str(U(settings.settingsPath()));
    AddNotices(j, result);
    j.endObject();
    std::cout << j.text() << "\n";
    return 0;
}

int ExportFromDatabase(Args args) {
    std::string dataDir, finder;
    TakeOption(args, "--data-dir", dataDir);
    TakeOption(args, "--finder", finder);
    ExpectOperands(args, 2);
    ClientList list;
    const ClientStoreResult read = ReadClientFile(Q(args[0]), list, true);
    if (!read.ok) {
        ClientStoreResult failed = read;
        if (failed.notices.empty()) failed.fail(kMsgCannotOpenFile, Q(args[0]));
        return Fail(failed);
    }
    std::set<int> all;
    for (int p = 0; p < int(list.size()); ++p)
        all.insert(all.end(), p);
    const QString out = Q(args[1]);
    const ClientFilter filter = ApplyClientFinder(Q(finder));
    ClientStoreResult result =
        ExportCheckedClients(list, all, filter, ClientFileExtension(out), out);
    result.notices.insert(result.notices.begin(), read.notices.begin(), read.notices.end());
    if (!result.ok) return Fail(result);
    Json j;
    j.beginObject();
    j.key("exported").num(result.count);
    j.key("file").str(U(out));
    if (ClientFileKindOf(ClientFileExtension(out)) == ClientFileKind::Csv)
        j.key("encoding").str(result.has(kMsgExportedAsUtf8) ? "UTF-8" : "Big5");
    AddNotices(j, result);
    j.endObject();
    std::cout << j.text() << "\n";
    return 0;
}

int NewDatabase(Args args) {
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    const bool force = TakeFlag(args, "--force");
    ExpectOperands(args, 1);
    // A script that names an existing database by mistake must not wipe its
    // clients: replacing one takes --force (the desktop program asks instead).
    if (!force && QFileInfo::exists(Q(args[0]))) {
        std::cout << ErrorObject("客戶資料檔已存在，未覆寫；要以空白資料檔取代請加 --force: " + args[0])
                  << "\n";
        return 1;
    }
    DbSettings settings(dataDir);
    ClientDatabase database(settings);
    const ClientStoreResult result = database.CreateClientDatabase(Q(args[0]));
    if (!result.ok) return Fail(result);
    Json j;
    j.beginObject();
    j.key("created").str(args[0]);
    AddNotices(j, result);
    j.endObject();
    std::cout << j.text() << "\n";
    return 0;
}

int RunDb(const Args& args) {
    if (args.empty()) throw UsageError{"missing subcommand"};
    const std::string sub = args[0];
    const Args rest(args.begin() + 1, args.end());
    if (sub == "list") return ListDatabase(rest);
    if (sub == "import") return ImportIntoDatabase(rest);
    if (sub == "export") return ExportFromDatabase(rest);
    if (sub == "new") return NewDatabase(rest);
    throw UsageError{"unknown subcommand '" + sub + "'"};
}

} // namespace

ZELK_CLI_COMMAND("db",
                 "zelk-cli db list FILE.kvy [--data-dir DIR]\n"
                 "  zelk-cli db import DB.kvy SOURCE.csv|SOURCE.AID|SOURCE.kvy [--data-dir DIR]\n"
                 "  zelk-cli db export DB.kvy OUT.csv|OUT.kvy [--finder TEXT] [--data-dir DIR]\n"
                 "  zelk-cli db new FILE.kvy [--force] [--data-dir DIR]",
                 RunDb);

} // namespace zelk::cli
