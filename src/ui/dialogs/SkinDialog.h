#pragma once

// The appearance dialog: it owns the appearance settings, reads them from
// Skin.ini when created (start-up) and writes them when destroyed (normal end).

#include <QDialog>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "settings/SkinCfg.h"

class QCheckBox;
class QColorDialog;
class QFontDialog;
class QLabel;
class QPushButton;

namespace korvan {

QColor ToQColor(TColor colour);
TColor FromQColor(const QColor& colour);

// A filled rectangle with a thin outline: a row's background colour.
class TColorShape : public QWidget
{
    Q_OBJECT
public:
    explicit TColorShape(QWidget* parent = nullptr);
    QColor Color() const { return Fill; }
    void SetColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor Fill;
};

class TFSkin : public QDialog
{
    Q_OBJECT
public:
    explicit TFSkin(QWidget* parent = nullptr);
    // Writes Skin.ini; a failed write is ignored (nothing is reported).
    ~TFSkin() override;

    // Shows the dialog modally; true when closed with "Да", and only then are
    // the settings changed.
    bool Execute();
    const TSkinCfg& Settings() const { return Cfg; }
    // The interface language of the help menu ("" as the system, "ru", "en"),
    // written at once; it takes effect at the next start.
    void SetLanguage(const std::string& stored);

    // The font and colour dialogs, replaceable so tests can answer them. Each
    // gets the current choice and returns the new one, nothing when cancelled.
    std::function<std::optional<QFont>(const QFont&)> ChooseFont;
    std::function<std::optional<QColor>(const QColor&)> ChooseColor;

private:
    struct TColorRow
    {
        QPushButton* Text = nullptr;  // BColor…: the caption in the text colour
        QPushButton* Back = nullptr;  // BBackColor…: "Фон"
        TColorShape* Shape = nullptr; // SBackColor…: the background colour
        TColor TSkinCfg::*TextField = nullptr;
        TColor TSkinCfg::*BackField = nullptr;
    };

    void CreateControls();
    // The controls from the working copy.
    void ShowEdit();
    void BFontClick();
    void TextColorClick(TColorRow& row);
    void BackColorClick(TColorRow& row);
    std::optional<QFont> RunFontDialog(const QFont& initial);
    std::optional<QColor> RunColorDialog(const QColor& initial);

    std::string IniPath;
    TSkinCfg Cfg;
    // The working copy: what the controls show while the dialog is open, kept
    // up to date by every control. The character set is not in Qt's fonts, so
    // FontCharset passes through here unchanged.
    TSkinCfg Edit;

    QPushButton* BFont = nullptr;
    QLabel* Label1 = nullptr;
    std::array<TColorRow, 7> Rows;
    QCheckBox* CBShowHelpMsg = nullptr;
    QCheckBox* CBAskAtStartupUseTextInput = nullptr;
    QCheckBox* CBUseEscapeForExit = nullptr;
    QPushButton* BOk = nullptr;
    QPushButton* BCancel = nullptr;
    QFontDialog* FD = nullptr;  // made on first use
    QColorDialog* CD = nullptr; // made on first use
};

} // namespace korvan
