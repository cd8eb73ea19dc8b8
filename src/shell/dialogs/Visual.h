#pragma once

#include "core/colour/colour_value.h"

#include <QDialog>
#include <QPoint>
#include <array>
#include <utility>

struct SettingsRecord;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QTabBar;
class PlacementPicker;
enum class MenuId;

// The look the text page previews in Label1 and "&Aplikuj" carries to the
// editor.
struct PreviewLook {
    QString fontName = QStringLiteral("Courier New CE");
    double size = 8;
    bool bold = false;
    bool italic = false;
    ColorValue textColor = RgbColor(0, 0, 0);
    ColorValue backColor = RgbColor(255, 255, 255);

    friend bool operator==(const PreviewLook&, const PreviewLook&) = default;
};

// The settings dialog: five pages chosen by the tab strip TabStrip1. It keeps
// no state outside its controls: the preview Label1 shows the pending look. Its autosave controls
// are the program's live autosave options; every change of them is mirrored into the autosave
// fields of Program().Settings, from which a newly loaded dialog starts, so the options outlive the
// dialog's unloading.
class Visual : public QDialog {
    Q_OBJECT
public:
    // The pages in tab order.
    enum class Tab { Text, View, User, Window, Autosave };
    static constexpr int TabCount = 5;

    explicit Visual(QWidget* parent = nullptr);

    void selectTab(Tab tab);
    // Opens the dialog modally on the user page (start screen, about box).
    void showUserPage();
    // The user name and e-mail boxes; start-up fills them with its guesses
    // before the first-run wizard.
    void setUserFields(const QString& name, const QString& email);
    // The first-run wizard: the user page with the tab strip locked, shown
    // modally; the tab strip is unlocked again when it returns.
    void runFirstRunWizard();

    // The autosave controls from the record: mode 1 selects OptSou, 2 OptDC,
    // any other OptHla; the minutes are kept within the slider's 1 to 10.
    void writeAutosaveOptions(const SettingsRecord& settings);
    // The autosave controls into the record's AutosaveOn, AutosaveMinutes and
    // AutosaveMode.
    void readAutosaveOptions(SettingsRecord& settings) const;

    // The text and background colours of the preview Label1.
    void setPreviewColors(ColorValue text, ColorValue back);
    [[nodiscard]] ColorValue previewTextColor() const;
    [[nodiscard]] ColorValue previewBackColor() const;
    [[nodiscard]] const PreviewLook& preview() const { return m_preview; }

    [[nodiscard]] QTabBar* TabStrip1() const { return m_tabStrip; }
    // Frame2, Frame1, Frame3, Frame4 and Frame5: the pages in tab order.
    [[nodiscard]] QGroupBox* frame(Tab tab) const;
    [[nodiscard]] QPlainTextEdit* Label1() const { return m_label1; }
    [[nodiscard]] QRadioButton* Option1() const { return m_option1; }
    [[nodiscard]] QRadioButton* Option2() const { return m_option2; }
    [[nodiscard]] QRadioButton* Option3() const { return m_option3; }
    // The size box: the preview takes the size of its settled text.
    [[nodiscard]] QComboBox* Combo1() const { return m_combo1; }
    [[nodiscard]] QCheckBox* Check2() const { return m_check2; }
    [[nodiscard]] QCheckBox* Check3() const { return m_check3; }
    [[nodiscard]] QPushButton* Command8() const { return m_command8; }
    [[nodiscard]] QPushButton* Command9() const { return m_command9; }
    [[nodiscard]] QPushButton* Command10() const { return m_command10; }
    [[nodiscard]] QPushButton* Command3() const { return m_command3; }
    [[nodiscard]] QPushButton* Command4() const { return m_command4; }
    [[nodiscard]] QPushButton* Command1() const { return m_command1; }
    [[nodiscard]] QPushButton* Command12() const { return m_command12; }
    [[nodiscard]] QPushButton* Command13() const { return m_command13; }
    [[nodiscard]] QPushButton* Command14() const { return m_command14; }
    [[nodiscard]] QScrollBar* VScroll7() const { return m_vScroll7; }
    [[nodiscard]] QLabel* Label12() const { return m_label12; }
    [[nodiscard]] QLabel* Picture1() const { return m_picture1; }
    [[nodiscard]] QPushButton* Command5() const { return m_command5; }
    [[nodiscard]] QPushButton* Command6() const { return m_command6; }
    [[nodiscard]] QLineEdit* Text1() const { return m_text1; }
    [[nodiscard]] QLineEdit* Text2() const { return m_text2; }
    [[nodiscard]] QCheckBox* Check1() const { return m_check1; }
    [[nodiscard]] QLineEdit* Text3() const { return m_text3; }
    [[nodiscard]] QLineEdit* Text4() const { return m_text4; }
    [[nodiscard]] QPushButton* Command16() const { return m_command16; }
    [[nodiscard]] PlacementPicker* PicPos() const { return m_picPos; }
    [[nodiscard]] QLabel* LabPos() const { return m_labPos; }
    [[nodiscard]] QCheckBox* ChkTime() const { return m_chkTime; }
    [[nodiscard]] QSlider* SLTime() const { return m_slTime; }
    [[nodiscard]] QLabel* LblTime() const { return m_lblTime; }
    [[nodiscard]] QRadioButton* OptHla() const { return m_optHla; }
    [[nodiscard]] QRadioButton* OptSou() const { return m_optSou; }
    [[nodiscard]] QRadioButton* OptDC() const { return m_optDC; }

private:
    void buildTabStrip();
    void buildTextPage();
    void buildViewPage();
    void buildUserPage();
    void buildWindowPage();
    void buildAutosavePage();
    void addCloseAndSave(QGroupBox* page, const QString& closeName, const QString& saveName);
    void loadFromProgram();
    void loadLookFromEditor();
    QPushButton* makeTextButton(const char16_t* name, const char16_t* text, const char16_t* toolTip,
                                QPoint place, int width);

    void showPage(int index);
    void showModal();
    void confirmUser();
    void renderPreview();
    // The three font options with the font each selects.
    [[nodiscard]] std::array<std::pair<QRadioButton*, const char16_t*>, 3> fontOptions() const;
    void selectFontOption(const QString& fontName);
    void sizeEdited(const QString& text);
    void pickColour(ColorValue PreviewLook::*colour);
    void chooseOtherFont();
    void resetPreview();
    void applyPreview();
    void runMenuEntry(MenuId entry);
    void placeMainWindow(QPointF units);
    void drawSnapPreview();
    void enableAutosaveChoices(bool on);
    void autosaveSwitched(bool on);
    void autosaveChanged();

    QTabBar* m_tabStrip = nullptr;
    std::array<QGroupBox*, TabCount> m_frames = {};
    QPlainTextEdit* m_label1 = nullptr;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    QRadioButton* m_option3 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QCheckBox* m_check3 = nullptr;
    QPushButton* m_command8 = nullptr;
    QPushButton* m_command9 = nullptr;
    QPushButton* m_command10 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command12 = nullptr;
    QPushButton* m_command13 = nullptr;
    QPushButton* m_command14 = nullptr;
    QScrollBar* m_vScroll7 = nullptr;
    QLabel* m_label12 = nullptr;
    QLabel* m_picture1 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QLineEdit* m_text4 = nullptr;
    QPushButton* m_command16 = nullptr;
    PlacementPicker* m_picPos = nullptr;
    QLabel* m_labPos = nullptr;
    QCheckBox* m_chkTime = nullptr;
    QSlider* m_slTime = nullptr;
    QLabel* m_lblTime = nullptr;
    QRadioButton* m_optHla = nullptr;
    QRadioButton* m_optSou = nullptr;
    QRadioButton* m_optDC = nullptr;
    // Set while the autosave controls are written as a whole, so the settings
    // are mirrored once at the end, not from half-written controls.
    bool m_writingAutosave = false;
    PreviewLook m_preview;
};
