// SettingsDlgBase: what the five settings dialogs share.
//
// A dialog holds one field per key it edits. Opening reads the keys from the
// settings file (not from AppSettings), clears every radio button and check box
// and sets them from the fields. A radio button sets its field to its value; a
// check box toggles its field between 0 and 1. 確定 writes every key of the
// dialog in one write and closes; the command then copies the fields into
// AppSettings. When the write fails the dialog says why and stays open, and
// nothing reaches AppSettings. 取消 writes nothing. 回復預設值 writes every key's
// default, reads the keys again and shows them; the dialog stays open.
//
// A stored value outside its group's range shows by the group's rule and is
// written back unchanged unless the user picks a button.
#pragma once

#include "settings/app_settings.h"
#include "settings/ini_document.h"

#include <QDialog>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLayout;
class QRadioButton;

namespace zelk {

struct AppContext;

// Finds a control of a dialog by its number ("ctl<id>").
QWidget* FindDialogControl(const QWidget* dialog, int controlId);
// The message of a failed settings write.
QString SettingsWriteFailureText(const IniResult& result, const QString& path);

class SettingsDlgBase : public QDialog {
    Q_OBJECT
  public:
    using Fields = std::map<int, int32_t>;

    const Fields& fields() const { return fields_; }
    // The field of a key the dialog edits (0 for any other key).
    int32_t field(int keyId) const;
    QWidget* control(int controlId) const { return FindDialogControl(this, controlId); }

    // Copies every field into AppSettings (16-bit keys keep their low 16 bits).
    void applyTo(AppSettings& settings) const;

    // 確定.
    void accept() override;
    // Shown no larger than the screen: on a small one the groups scroll.
    void setVisible(bool visible) override;
    // 回復預設值.
    void restoreDefaults();

  protected:
    // How a radio group shows a stored value.
    enum class ShowRule {
        LastTakesRest,  // 0, 1, ... pick their buttons, any other value the last one
        FirstTakesRest, // exact values pick their buttons, any other value the first
        ExactOnly,      // exact values pick their buttons, any other value none
    };
    struct Choice {
        int controlId;
        const char16_t* text;
        int32_t value;
    };

    SettingsDlgBase(AppContext& context, int dialogId, const QString& title,
                    std::vector<int> keyIds, bool hasDefaultsButton, QWidget* parent);

    // Controls bound to a key; the caller puts the returned widget in its layout.
    QGroupBox* addRadioGroup(const QString& label, int keyId, std::initializer_list<Choice> choices,
                             ShowRule rule = ShowRule::LastTakesRest);
    QCheckBox* addCheck(int controlId, const QString& text, int keyId);
    // Puts the body above the row of 確定 / 取消 / 回復預設值.
    void setBody(QLayout* body);

    // Reads the fields from the file and shows them. Derived constructors call it
    // last, when all their controls exist.
    void load();
    void setField(int keyId, int32_t value) { fields_[keyId] = value; }
    void clearRadioGroup(int keyId);
    void setRadioGroupEnabled(int keyId, bool enabled);

    // Steps derived dialogs add to the cycle.
    virtual void fieldsRead() {}    // after every read: spread fields into own state
    virtual void collectFields() {} // before every write: pack own state into fields
    virtual void fieldsShown() {}   // after the bound controls were set: own controls, enabling
    virtual void saved() {}         // after 確定 wrote the file, before the dialog closes
    // After 回復預設值 wrote the defaults, with the fields shown before the reset.
    virtual void defaultsWritten(const Fields& shownBefore) { (void)shownBefore; }

    AppContext& context_;

  private:
    struct RadioBinding {
        int keyId;
        QButtonGroup* group;
        std::vector<std::pair<QRadioButton*, int32_t>> buttons;
        ShowRule rule;
    };
    struct CheckBinding {
        int keyId;
        QCheckBox* box;
    };

    IniResult writeFields(bool reset);
    void showFields();
    void showRadioGroup(const RadioBinding& binding);
    RadioBinding* findRadioBinding(int keyId);

    std::vector<int> keyIds_;
    Fields fields_;
    std::vector<RadioBinding> radios_;
    std::vector<CheckBinding> checks_;
    bool hasDefaultsButton_;
};

// Object names and the shared button row, for the dialogs that do not derive from
// SettingsDlgBase (the four-transformation editors, the timing rules).
void NameControl(QWidget* widget, int controlId);
// Adds 確定 / 取消 (and 回復預設值 when wanted) to `layout`, wired to the dialog's
// accept and reject; returns the 回復預設值 button or null.
QAbstractButton* AddDialogButtons(QDialog* dialog, QBoxLayout* layout, bool withDefaults);

} // namespace zelk
