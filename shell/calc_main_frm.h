// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include <QMainWindow>
#include <QTimer>

#include "core/calculator.h"
#include "core/undo_history.h"
#include "persist/qt_settings_store.h"
#include "shell/display_accessibility.h"
#include "shell/qt_platform.h"
#include "shell/screen_reader_watch.h"
#include "tape/paper_tape.h"
#include "widgets/face_scale.h"

class DisplayPanelWidget;
class SessionStores;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWheelEvent;
class TapePanelWidget;
struct FaceKey;
class QActionGroup;

// The calculator face: display panel, the tab control of key pages and modes, the keypad and
// the menus. It owns the calculator and renders the engine's panel after every engine call.
class CalcMainFrm final : public QMainWindow {
public:
    explicit CalcMainFrm(QWidget* parent = nullptr);
    ~CalcMainFrm() override;

    // Where the register and data files live; set before InitializeCalculator.
    void SetProgramFolder(const std::filesystem::path& folder) { programFolder_ = folder; }
    // The start-up sequence: preferences, voice, cleared calculator, modes, memory and files.
    void InitializeCalculator();

    Calculator& calc() { return *calc_; }
    bool AlwaysOnTopOn() const { return alwaysOnTopOn_; }
    // Runs an engine procedure and shows the state it leaves.
    void RunEngine(const std::function<void(Calculator&)>& step);
    // The same for a key the user can take back with Undo.
    void RunKey(const std::function<void(Calculator&)>& step);
    // Shows another window modally; the face leaves the topmost layer meanwhile.
    int ShowModal(class QDialog& dialog);
    void BringForward();
    // Closes the window, saves included, with no one to answer: open dialogs end as their close
    // box would end them, and warnings go to the standard error instead of a box.
    void CloseUnattended();
    // A close was asked for while nobody could answer (a quit signal), maybe during start-up.
    bool QuitRequested() const { return unattended_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateNoticeStrip(QWidget* face);
    void ShowNotice(const char* text);
    void ShowHint(const char* hint);
    void CreateDisplayPanel(QWidget* face);
    void CreateTabArea(QWidget* face);
    void CreateKeyPage(int page, QWidget* panel);
    void CreateHeadingStrip(QWidget* parent, QRect rect, const char* text);
    void CreateModePage(QWidget* panel);
    void CreateKeypad(QWidget* face);
    QPushButton* CreateKey(const FaceKey& key, QWidget* panel);
    void CreateMenus();
    void CreateViewMenu();
    void CreateTapePanel(QWidget* body);

    // Shows or hides the tape beside the face; the window grows by the tape's width and gets
    // back the face's own size without it.
    void ShowTape(bool shown);
    void StoreTapeWidth();

    // The zoom, one of the View menu's steps, is kept; the face is drawn at the zoom times the
    // desktop font's scale, and the menu bar at the desktop font's scale alone.
    void SetZoom(int percent);
    void ApplyFaceScale();
    void SizeTabs(qreal scale);
    void KeepOnScreen();
    // The zoom's chords are the View menu's alone, even where its item is disabled at the end
    // of the steps: they never reach the keyboard table as '=', '+', '-' or '0'.
    bool ZoomByKey(const class QKeyEvent& key);
    // Ctrl with the wheel zooms, and scrolls nothing.
    bool ZoomByWheel(const QWheelEvent& wheel);

    void ShowEngineState();
    void SyncModeControls();
    void SyncClockTimer();
    void ScheduleClockTick();
    bool Form_KeyDown(const class QKeyEvent& event);
    void SelectTab_Click(int page);
    void ApplyTopmost();
    void PrepareVoice();
    void CreateMainVoice();

    void LoadPreferences();
    void Form_QueryUnload();
    void ScheduleSave();
    void SaveChangedStores();

    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuMode_Click();
    void mnuOnTop_Click();
    // Always On Top as the platform allows it: ticked as stored, or disabled with the reason.
    void OfferAlwaysOnTop();
    void mnuReadOut_Click();
    void mnuPaste_Click();
    void mnuFixedOrSci_Click(void (*handler)(Calculator&));
    void mnuHelpTopics_Click();
    void mnuAbout_Click();
    void mnuLanguage_Click(const QString& code);
    // The face's texts in the language now loaded.
    void RetranslateFace();
    void NamePages();
    void NameKey(const FaceKey& key, QPushButton* button);
    void NameKeys();

    PaperTape tape_;
    TapePanelWidget* tapePanel_ = nullptr;
    std::unique_ptr<Calculator> calc_;
    std::unique_ptr<SpeechOutput> voice_;
    QtClipboard clipboard_;
    std::unique_ptr<DialogMessages> messages_;
    SystemClock clock_;
    NumberLocale numberLocale_;  // the user's, read again at each paste
    QtScreenReaderWatch screenReader_;
    bool alwaysOnTopOn_ = false;
    int openModals_ = 0;
    bool voicePending_ = false;
    bool deadKeyTaken_ = false;  // the last key was a dead "^"
    bool initialized_ = false;  // start-up ran and shutdown has not
    bool unattended_ = false;
    QtSettingsStore settings_;
    std::filesystem::path programFolder_;
    std::unique_ptr<SessionStores> stores_;
    UndoHistory undo_;
    QTimer clockTimer_;
    static constexpr int kSaveDelayMs = 1000;
    QTimer saveTimer_;
    FaceScale faceScale_;
    FaceScale barScale_;
    int zoom_ = 100;
    qreal appliedScale_ = 1;
    qreal appliedBarScale_ = 1;
    int wheelTurn_ = 0;  // eighths of a degree not yet zoomed by
    static constexpr int kHintMs = 4000;
    QTimer hintTimer_;

    struct Widgets {
        DisplayPanelWidget* frame = nullptr;
        QLabel* notice = nullptr;
        QTabWidget* selectTab = nullptr;
        QRadioButton* degButton = nullptr;
        QRadioButton* radButton = nullptr;
        QRadioButton* gradButton = nullptr;
        QRadioButton* fxnButton = nullptr;
        QRadioButton* scnButton = nullptr;
        QRadioButton* stdButton = nullptr;
        QLabel* precLab = nullptr;
        QComboBox* precBox = nullptr;
    } widgets_;

    struct Actions {
        QAction* onTop = nullptr;
        QAction* readOut = nullptr;
        std::array<QAction*, 4> funct{};
        QAction* close = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;
        QAction* tape = nullptr;
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* fixed = nullptr;
        QAction* sci = nullptr;
        QAction* normal = nullptr;
        QAction* degree = nullptr;
        QAction* radian = nullptr;
        QAction* gradian = nullptr;
        QAction* helpTopics = nullptr;
        QAction* about = nullptr;
        QAction* zoomIn = nullptr;
        QAction* zoomOut = nullptr;
        QAction* actualSize = nullptr;
        QActionGroup* languages = nullptr;  // each item's data: a language code, "" for the desktop's
    } actions_;

    struct Menus {
        QMenu* file = nullptr;
        QMenu* funct = nullptr;
        QMenu* edit = nullptr;
        QMenu* mode = nullptr;
        QMenu* displayMode = nullptr;
        QMenu* angular = nullptr;
        QMenu* view = nullptr;
        QMenu* help = nullptr;
        QMenu* language = nullptr;
    } menus_;
};
