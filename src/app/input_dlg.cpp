#include "input_dlg.h"

#include "app_context.h"
#include "clients/client_numbers.h"
#include "command_ids.h"
#include "res_text.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zelk {

namespace {

constexpr int kNoteMaxChars = 255;
constexpr int kMinguoFirstYear = 1912;

QString TwoWide(int n) {
    return QString::asprintf("%2d", n);
}

template <int N> void Put(FixedText<N>& field, const QString& text) {
    field.assign(text);
}

} // namespace

int16_t ParseHeightText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < INT16_MIN || value > INT16_MAX) return 0;
    return static_cast<int16_t>(value);
}

QString CInputDlg::YearText(int year, int yearDisplay) {
    if (yearDisplay != 1) return QString::number(year);
    if (year < kMinguoFirstYear) return Res(435) + QString::number(kMinguoFirstYear - year);
    if (year == kMinguoFirstYear) return Res(436);
    return Res(434) + QString::number(year - kMinguoFirstYear + 1);
}

CInputDlg::CInputDlg(Mode mode, AppContext& context, const ClientList& clients,
                     const tagUserInfo* current, QWidget* parent)
    : QDialog(parent), mode_(mode), context_(context) {
    setObjectName(QStringLiteral("dlg%1").arg(mode == Mode::New ? ctl::InputNewDialog
                                                                : ctl::InputModifyDialog));
    setWindowTitle(mode == Mode::New ? QStringLiteral("請輸入個人資料")
                                     : QStringLiteral("修改個人資料"));
    // Opening: a new client starts as a record of zeros at the present moment; a
    // modified one as a copy of the chart's client.
    if (mode == Mode::Modify && current) {
        record_ = *current;
        if (record_.name.empty())
            Put(record_.name, MakeClientAutoName(record_, context.settings.UserNextId,
                                                 context.settings.YearDisplay));
    } else {
        const LocalDateTime now = context.clock ? context.clock() : SystemClock()();
        record_.year = static_cast<int16_t>(now.year);
        record_.month = static_cast<int16_t>(now.month);
        record_.day = static_cast<int16_t>(now.day);
        record_.hourIndex = static_cast<int16_t>((now.hour + 1) / 2);
        record_.hour = static_cast<int16_t>(2 * record_.hourIndex);
        record_.isLeapMonth = 0;
    }
    dates_.start(record_.year, record_.month, record_.day, record_.hourIndex, record_.hour);
    createControls();
    fillCategoryList(clients);
    fillFromRecord();
}

QLineEdit* CInputDlg::addEdit(int id, int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("ctl%1").arg(id));
    if (maxLength > 0) edit->setMaxLength(maxLength);
    return edit;
}

QWidget* CInputDlg::control(int id) const {
    return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
}

void CInputDlg::createControls() {
    auto named = [this](auto* w, int id) {
        w->setObjectName(QStringLiteral("ctl%1").arg(id));
        return w;
    };
    name_ = addEdit(ctl::Name, 31);
    male_ = named(new QRadioButton(Res(132), this), ctl::Male);
    female_ = named(new QRadioButton(Res(133), this), ctl::Female);
    auto* sexGroup = new QButtonGroup(this);
    sexGroup->addButton(male_);
    sexGroup->addButton(female_);
    category_ = named(new QComboBox(this), ctl::Category);
    category_->setEditable(true);
    category_->lineEdit()->setMaxLength(29);
    gregorian_ = named(new QRadioButton(QStringLiteral("國曆"), this), ctl::Gregorian);
    lunar_ = named(new QRadioButton(QStringLiteral("農曆"), this), ctl::Lunar);
    auto* calendarGroup = new QButtonGroup(this);
    calendarGroup->addButton(gregorian_);
    calendarGroup->addButton(lunar_);
    blood_ = named(new QComboBox(this), ctl::BloodType);
    blood_->addItems({Res(632), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("AB"),
                      QStringLiteral("O")});
    sibling_ = named(new QComboBox(this), ctl::SiblingRank);
    sibling_->addItem(Res(617));
    for (int i = 1; i <= 15; ++i)
        sibling_->addItem(QString::number(i));
    sibling_->addItem(Res(630));
    year_ = named(new QComboBox(this), ctl::Year);
    month_ = named(new QComboBox(this), ctl::Month);
    day_ = named(new QComboBox(this), ctl::Day);
    hour_ = named(new QComboBox(this), ctl::Hour);
    for (int id = 105; id <= 117; ++id)
        hour_->addItem(Res(id));
    address_ = addEdit(ctl::Address, 63);
    phone_ = addEdit(ctl::Phone, 31);
    birthPlace_ = addEdit(ctl::BirthPlace, 31);
    email_ = addEdit(ctl::Email, 63);
    introducer_ = addEdit(ctl::Introducer, 31);
    longitude_ = addEdit(ctl::Longitude, 11);
    latitude_ = addEdit(ctl::Latitude, 11);
    height_ = addEdit(ctl::Height, 6);
    education_ = addEdit(ctl::Education, 31);
    note_ = named(new QPlainTextEdit(this), ctl::Note);
    note_->setTabChangesFocus(true);
    idBox_ = addEdit(ctl::IdBox, 0);
    createdBox_ = addEdit(ctl::CreatedBox, 0);
    idBox_->hide();
    createdBox_->hide();

    connect(male_, &QRadioButton::clicked, this, [this] { record_.sex = 0; });
    connect(female_, &QRadioButton::clicked, this, [this] { record_.sex = 1; });
    connect(gregorian_, &QRadioButton::clicked, this, [this] { chooseCalendar(false); });
    connect(lunar_, &QRadioButton::clicked, this, [this] { chooseCalendar(true); });
    // Only the user's choices change the record; refilling a list does not.
    connect(year_, &QComboBox::activated, this, &CInputDlg::chooseYear);
    connect(month_, &QComboBox::activated, this, &CInputDlg::chooseMonth);
    connect(day_, &QComboBox::activated, this, &CInputDlg::chooseDay);
    connect(hour_, &QComboBox::activated, this, &CInputDlg::chooseHour);

    auto* grid = new QGridLayout;
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    int row = 0;
    grid->addWidget(label(QStringLiteral("大名：")), row, 0);
    grid->addWidget(name_, row, 1);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(male_);
    sexRow->addWidget(female_);
    grid->addLayout(sexRow, row, 2);
    grid->addWidget(label(QStringLiteral("類別：")), row, 3);
    grid->addWidget(category_, row, 4);
    ++row;
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(gregorian_);
    dateRow->addWidget(lunar_);
    dateRow->addWidget(label(QStringLiteral("出生：")));
    dateRow->addWidget(year_);
    dateRow->addWidget(label(QStringLiteral("年")));
    dateRow->addWidget(month_);
    dateRow->addWidget(label(QStringLiteral("月")));
    dateRow->addWidget(day_);
    dateRow->addWidget(label(QStringLiteral("日")));
    dateRow->addWidget(hour_);
    dateRow->addWidget(label(QStringLiteral("時")));
    grid->addLayout(dateRow, row, 0, 1, 5);
    ++row;
    const std::pair<const char16_t*, QWidget*> pairs[] = {
        {u"血型：", blood_},        {u"排行：", sibling_},      {u"住址：", address_},
        {u"電話：", phone_},        {u"出生地：", birthPlace_}, {u"Email：", email_},
        {u"介紹人：", introducer_}, {u"經度：", longitude_},    {u"緯度：", latitude_},
        {u"身高：", height_},       {u"學歷：", education_},
    };
    int col = 0;
    for (const auto& [text, widget] : pairs) {
        grid->addWidget(label(QString::fromUtf16(text)), row, col * 3 == 0 ? 0 : 3);
        grid->addWidget(widget, row, col * 3 == 0 ? 1 : 4, 1, col == 0 ? 2 : 1);
        if (++col == 2) {
            col = 0;
            ++row;
        }
    }
    if (col != 0) ++row;
    grid->addWidget(label(QStringLiteral("備註：")), row, 0, Qt::AlignTop);
    grid->addWidget(note_, row, 1, 1, 4);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* confirm = buttons->addButton(QStringLiteral("排盤"), QDialogButtonBox::AcceptRole);
    confirm->setObjectName(QStringLiteral("ctl%1").arg(ctl::Confirm));
    confirm->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ctl%1").arg(ctl::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CInputDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInputDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CInputDlg::fillFromRecord() {
    name_->setText(record_.name.text());
    address_->setText(record_.address.text());
    phone_->setText(record_.phone.text());
    note_->setPlainText(record_.note.text());
    (record_.sex == 0 ? male_ : female_)->setChecked(true);
    gregorian_->setChecked(true);
    fillYearList();
    fillMonthList();
    fillDayList();
    hour_->setCurrentIndex(dates_.hourIndex());
    idBox_->setText(QString::number(record_.id));
    createdBox_->setText(record_.createdDate.text());
    blood_->setCurrentIndex(record_.bloodType < blood_->count() ? record_.bloodType : 0);
    sibling_->setCurrentIndex(record_.siblingRank >= 0 && record_.siblingRank < sibling_->count()
                                  ? record_.siblingRank
                                  : 0);
    birthPlace_->setText(record_.birthPlace.text());
    longitude_->setText(record_.longitude.text());
    latitude_->setText(record_.latitude.text());
    education_->setText(record_.education.text());
    email_->setText(record_.email.text());
    introducer_->setText(record_.introducer.text());
    height_->setText(record_.height > 0 ? QString::number(record_.height) : QString());
    const QString category = record_.category.text();
    if (!category.isEmpty()) {
        const int at = category_->findText(category);
        if (at >= 0)
            category_->setCurrentIndex(at);
        else
            category_->setEditText(category);
    } else {
        category_->setEditText(QString());
    }
}

void CInputDlg::fillYearList() {
    year_->clear();
    for (int i = 0; i < kInputYearCount; ++i)
        year_->addItem(YearText(kInputFirstYear + i, context_.settings.YearDisplay));
    year_->setCurrentIndex(dates_.yearIndex());
}

void CInputDlg::fillMonthList() {
    month_->clear();
    for (const MonthEntry& e : dates_.monthEntries())
        month_->addItem(e.leap ? Res(363) + TwoWide(e.month) : TwoWide(e.month));
    month_->setCurrentIndex(dates_.monthIndex());
}

void CInputDlg::fillDayList() {
    day_->clear();
    for (int d = 1; d <= dates_.dayCount(); ++d)
        day_->addItem(QString::number(d));
    day_->setCurrentIndex(dates_.dayIndex());
}

void CInputDlg::fillCategoryList(const ClientList& clients) {
    for (const tagUserInfo& c : clients) {
        const QString text = c.category.text();
        if (text.isEmpty()) continue;
        if (category_->findText(text, Qt::MatchFixedString) < 0) category_->addItem(text);
    }
}

void CInputDlg::chooseCalendar(bool lunar) {
    if (lunar)
        dates_.switchToLunar();
    else
        dates_.switchToGregorian();
    (lunar ? lunar_ : gregorian_)->setChecked(true);
    year_->setCurrentIndex(dates_.yearIndex());
    fillMonthList();
    fillDayList();
}

void CInputDlg::chooseYear(int index) {
    dates_.selectYear(index);
    year_->setCurrentIndex(dates_.yearIndex());
    fillMonthList();
    fillDayList();
}

void CInputDlg::chooseMonth(int index) {
    dates_.selectMonth(index);
    month_->setCurrentIndex(dates_.monthIndex());
    fillDayList();
}

void CInputDlg::chooseDay(int index) {
    dates_.selectDay(index);
    day_->setCurrentIndex(dates_.dayIndex());
}

void CInputDlg::chooseHour(int index) {
    dates_.selectHour(index);
    hour_->setCurrentIndex(dates_.hourIndex());
    record_.hourIndex = static_cast<int16_t>(dates_.hourIndex());
    record_.hour = static_cast<int16_t>(dates_.hour());
}

void CInputDlg::collectIntoRecord() {
    dates_.makeCalendarsAgree();
    record_.year = dates_.solar().year;
    record_.month = dates_.solar().month;
    record_.day = dates_.solar().day;
    LunarDate lunar = dates_.lunarDate();
    // The late 子 hour from 23:00 belongs to the next lunar day; the Gregorian date
    // stays the calendar day.
    if (record_.hourIndex == 12) NextLunarDay(lunar);
    record_.lunarYear = lunar.year;
    record_.lunarMonth = lunar.month;
    record_.lunarDay = lunar.day;
    record_.isLeapMonth = lunar.leap;

    Put(record_.name, name_->text());
    if (record_.name.empty())
        Put(record_.name, MakeClientAutoName(record_, context_.settings.UserNextId,
                                             context_.settings.YearDisplay));
    Put(record_.address, address_->text());
    Put(record_.phone, phone_->text());
    Put(record_.note, note_->toPlainText().left(kNoteMaxChars));
    record_.bloodType = static_cast<uint16_t>(qMax(0, blood_->currentIndex()));
    record_.siblingRank = static_cast<int16_t>(qMax(0, sibling_->currentIndex()));
    Put(record_.birthPlace, birthPlace_->text());
    Put(record_.longitude, longitude_->text());
    Put(record_.latitude, latitude_->text());
    Put(record_.education, education_->text());
    Put(record_.email, email_->text());
    Put(record_.introducer, introducer_->text());
    record_.height = ParseHeightText(height_->text());
    if (record_.createdDate.empty()) {
        const LocalDateTime now = context_.clock ? context_.clock() : SystemClock()();
        Put(record_.createdDate, QString::asprintf("%04d/%02d/%02d", now.year, now.month, now.day));
    }
    Put(record_.category, category_->currentText());
}

void CInputDlg::accept() {
    collectIntoRecord();
    QDialog::accept();
}

} // namespace zelk
