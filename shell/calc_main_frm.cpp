// SPDX-License-Identifier: MIT
#include "shell/calc_main_frm.h"

#include <cstdio>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTime>
#include <QWheelEvent>

#include "core/clipboard_clock.h"
#include "core/number_entry.h"
#include "display/display_panel_widget.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"
#include "keys/keyboard_map.h"
#include "keys/mode_controls.h"
#include "session/session_stores.h"
#include "shell/face_focus.h"
#include "shell/keyboard_translation.h"
#include "shell/qt_pickers.h"
#include "shell/topmost.h"
#include "shell/typed_hints.h"
#include "tape/tape_panel_widget.h"
#include "widgets/face_fonts.h"
#include "widgets/panel_colours.h"
#include "widgets/text_fit.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

constexpr const char* kNoticeText = QT_TRANSLATE_NOOP("Numora", "F1 to F4 change pages   F8 EXP   F9 PI");

}  // namespace

CalcMainFrm::CalcMainFrm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("CalcMainFrm");
    setWindowTitle("Numora");
    setFont(TahomaFont(8.25));

    auto* body = new QWidget(this);
    body->setObjectName("Body");
    setCentralWidget(body);
    auto* face = new QWidget(body);
    face->setObjectName("Face");
    face->setFixedSize(TwipsToPixels(4770), TwipsToPixels(7170));
    CreateNoticeStrip(face);
    CreateDisplayPanel(face);
    CreateTabArea(face);
    CreateKeypad(face);
    CreateTapePanel(body);
    ChainFaceFocus(*widgets_.frame, *widgets_.selectTab, *face->findChild<QWidget*>("KeypadPanel"),
                   tapePanel_->FocusChain());
    // Before any text is fitted, which gives the fitted widgets fonts of their own.
    faceScale_.Record(*face, {widgets_.frame});
    faceScale_.Record(*tapePanel_);
    // The design font may be narrower than its installed substitute, a translation longer.
    FitTexts(*this);

    messages_ = std::make_unique<DialogMessages>(this, [this](QDialog& box) { return ShowModal(box); });
    Platform services;
    services.clock = &clock_;
    services.clipboard = &clipboard_;
    services.messages = messages_.get();
    services.locale = &numberLocale_;
    screenReader_.Watch(widgets_.frame);
    services.screenReader = &screenReader_;
    services.tape = &tape_;
    tape_.SetListener([this](TapeChange change) {
        ScheduleSave();
        tapePanel_->ShowChange(change);
    });
    // A child of the window: the register, data and constants dialogs as the engine's pickers.
    auto* pickers = new DialogPickers(this, [this](QDialog& dialog) { return ShowModal(dialog); });
    pickers->Install(services);
    calc_ = std::make_unique<Calculator>(services);

    CreateMenus();
    barScale_.Record(*menuBar());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ApplyFaceScale();

    clockTimer_.setSingleShot(true);
    clockTimer_.setTimerType(Qt::PreciseTimer);
    connect(&clockTimer_, &QTimer::timeout, this, [this] { RunEngine(ClockTick); });
    saveTimer_.setSingleShot(true);
    connect(&saveTimer_, &QTimer::timeout, this, &CalcMainFrm::SaveChangedStores);
    hintTimer_.setSingleShot(true);
    connect(&hintTimer_, &QTimer::timeout, this, [this] { ShowNotice(kNoticeText); });
    qApp->installEventFilter(this);
    ShowEngineState();
}

CalcMainFrm::~CalcMainFrm() { qApp->removeEventFilter(this); }

void CalcMainFrm::CreateNoticeStrip(QWidget* face) {
    auto* strip = new QWidget(face);
    strip->setObjectName("NoticeStrip");
    strip->setGeometry(TwipRect(60, 45, 4650, 285));
    SetPanelColours(strip, QColor(0, 0, 255), Qt::white);
    widgets_.notice = new QLabel(strip);
    SetWindowText(widgets_.notice, kNoticeText);
    widgets_.notice->setObjectName("NoticeLabel");
    // The strip's width: a hint is longer than the notice.
    widgets_.notice->setGeometry(TwipRect(90, 45, 4470, 195));
}

void CalcMainFrm::ShowNotice(const char* text) {
    SetWindowText(widgets_.notice, text);
    FitTexts(*widgets_.notice);
}

// A character that has no key says, for a few seconds, what to key instead; it is heard too, as
// the page names are.
void CalcMainFrm::ShowHint(const char* hint) {
    ShowNotice(hint);
    hintTimer_.start(kHintMs);
    const QString text = WindowText(hint);
    AnnounceThroughDisplay(*widgets_.frame, text);
    if (calc_->modes.ReadOutLoudOn && calc_->platform.speech != nullptr && !screenReader_.PresentsDisplay())
        calc_->platform.speech->Speak(text.toStdString());
}

void CalcMainFrm::CreateDisplayPanel(QWidget* face) {
    auto* box = new QFrame(face);
    box->setObjectName("DisplayPicture");
    box->setGeometry(TwipRect(60, 360, 4650, 1200));
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    InstallDisplayAccessibility();
    widgets_.frame = new DisplayPanelWidget(box);
    widgets_.frame->setGeometry(TwipRect(20, 20, 4600, 1155));
}

void CalcMainFrm::RunEngine(const std::function<void(Calculator&)>& step) {
    const DisplayPanel before = calc_->panel;
    const bool clockWasShowing = calc_->modes.ClockShowing;
    step(*calc_);
    ScheduleSave();
    ShowEngineState();
    // The running clock's every second is not news; the key that starts or ends it is.
    if (!clockWasShowing || !calc_->modes.ClockShowing)
        AnnounceDisplay(*widgets_.frame, before, NumberBeingKeyed(*calc_));
    // A key pressed from the keyboard keeps the focus; without a focused control the display
    // takes it, so that keys keep reaching the face.
    const QWidget* focus = focusWidget();
    if (focus == nullptr || !focus->isVisible() || !focus->isEnabled()) widgets_.frame->setFocus();
}

void CalcMainFrm::RunKey(const std::function<void(Calculator&)>& step) {
    RunEngine([this, &step](Calculator& calc) { undo_.Key(calc, step); });
}

void CalcMainFrm::ShowEngineState() {
    widgets_.frame->Render(calc_->panel);
    SyncModeControls();
    SyncClockTimer();
    actions_.copy->setEnabled(!MakeModePanel(*calc_).clockShowing);
    actions_.undo->setEnabled(undo_.CanUndo());
    actions_.redo->setEnabled(undo_.CanRedo());
}

void CalcMainFrm::SyncClockTimer() {
    if (!MakeModePanel(*calc_).clockShowing) clockTimer_.stop();
    else if (!clockTimer_.isActive()) ScheduleClockTick();
}

// One tick just after each turn of the second, so the shown time is never a second behind and
// the process sleeps in between.
void CalcMainFrm::ScheduleClockTick() { clockTimer_.start(1000 - QTime::currentTime().msec() + 5); }

void CalcMainFrm::SelectTab_Click(int page) {
    if (page != 1 && MakeModePanel(*calc_).clockShowing) RunEngine(EndClock);
    AnnounceThroughDisplay(*widgets_.frame, widgets_.selectTab->tabText(page).trimmed());
}

bool CalcMainFrm::Form_KeyDown(const QKeyEvent& event) {
    // The space that prints a dead "^" on its own belongs to the "^", not to the focused key.
    const bool afterDeadKey = std::exchange(deadKeyTaken_, event.key() == Qt::Key_Dead_Circumflex);
    if (afterDeadKey && event.key() == Qt::Key_Space && event.modifiers() == Qt::NoModifier) return true;
    if (SwitchPageByKey(*widgets_.selectTab, event)) return true;
    const std::optional<VirtualKey> key = TranslateKey(event);
    const std::optional<KeyboardAction> action = key ? MapKeyboardKey(key->code, key->shiftState) : std::nullopt;
    if (!action) {
        if (const char* hint = TypedCharacterHint(event)) ShowHint(hint);
        return false;
    }
    if (action->faceKey.empty()) {
        widgets_.selectTab->setCurrentIndex(action->page);
        return true;
    }
    if (const FaceKey* faceKey = FindFaceKey(action->faceKey))
        RunKey([faceKey](Calculator& calc) { ClickKey(calc, *faceKey); });
    return true;
}

// The face sees every key first, whichever of its controls has the focus.
bool CalcMainFrm::eventFilter(QObject* watched, QEvent* event) {
    // Sent to the application whether or not its widgets get it too.
    if (event->type() == QEvent::ApplicationFontChange && watched == qApp) ApplyFaceScale();
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel) || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this || QApplication::activeModalWidget() != nullptr) return false;
    if (event->type() == QEvent::Wheel) return ZoomByWheel(static_cast<const QWheelEvent&>(*event));
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (tapePanel_->KeepsKey(watched, key)) return false;
    return ZoomByKey(key) || Form_KeyDown(key);
}

// A modal window keeps the face out of the topmost layer until it closes, whatever activation
// or resize the face sees meanwhile.
void CalcMainFrm::ApplyTopmost() { SetTopmost(this, alwaysOnTopOn_ && openModals_ == 0); }

void CalcMainFrm::PrepareVoice() {
    if (calc_->platform.speech != nullptr) calc_->platform.speech->Speak("");
}

bool CalcMainFrm::event(QEvent* event) {
    if (event->type() == QEvent::Paint && voicePending_) {
        voicePending_ = false;
        QTimer::singleShot(0, this, [this] { CreateMainVoice(); });
    }
    if (event->type() == QEvent::WindowActivate) {
        ApplyTopmost();
        if (calc_->modes.ReadOutLoudOn) PrepareVoice();
    }
    return QMainWindow::event(event);
}

void CalcMainFrm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateFace();
    QMainWindow::changeEvent(event);
}

void CalcMainFrm::RetranslateFace() {
    RetranslateWindowTexts(*this);
    OfferAlwaysOnTop();
    NamePages();
    NameKeys();
    FitTexts(*this);
}

void CalcMainFrm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ScheduleSave();  // the tape's width
    ApplyTopmost();
}

void CalcMainFrm::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

int CalcMainFrm::ShowModal(QDialog& dialog) {
    if (unattended_) {
        if (const auto* box = qobject_cast<QMessageBox*>(&dialog))
            std::fprintf(stderr, "%s\n", qPrintable(box->windowTitle() + ' ' + box->text()));
        return QDialog::Rejected;
    }
    ++openModals_;
    ApplyTopmost();
    const int result = dialog.exec();
    --openModals_;
    ApplyTopmost();
    return result;
}

void CalcMainFrm::CloseUnattended() {
    unattended_ = true;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (!modal->close()) break;
    }
    // During start-up (a warning box's own loop) the stores are not all loaded yet: start-up
    // goes on without boxes and its caller closes the window then, saving what was loaded.
    if (initialized_) close();
}

void CalcMainFrm::BringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}
