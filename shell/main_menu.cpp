// SPDX-License-Identifier: MIT
#include "shell/calc_main_frm.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenuBar>
#include <QTabWidget>

#include "core/clipboard_clock.h"
#include "keys/dispatch.h"
#include "keys/mode_controls.h"
#include "shell/about_frm.h"
#include "shell/language.h"
#include "shell/preferences.h"
#include "shell/topmost.h"
#include "shell/zoom_steps.h"
#include "speech/help_window.h"
#include "widgets/translated_text.h"

namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut = {},
                 bool checkable = false) {
    QAction* action = menu->addAction(QString());
    SetWindowText(action, caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    return action;
}

QMenu* AddMenu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(parent);
    SetWindowText(menu, caption);
    menu->setObjectName(name);
    return menu;
}

void AddSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); }

}  // namespace

void CalcMainFrm::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MenuBar");

    menus_.file = AddMenu(bar, "mnuFile", QT_TRANSLATE_NOOP("Numora", "&File"));
    actions_.onTop =
        AddItem(menus_.file, "mnuOnTop", QT_TRANSLATE_NOOP("Numora", "Always On Top"), Qt::CTRL | Qt::Key_T, true);
    AddSeparator(menus_.file, "mnuDum4");
    actions_.readOut =
        AddItem(menus_.file, "mnuReadOut", QT_TRANSLATE_NOOP("Numora", "Read Out Loud"), Qt::CTRL | Qt::Key_A, true);
    menus_.language = AddMenu(menus_.file, "mnuLanguage", QT_TRANSLATE_NOOP("Numora", "Language"));
    menus_.file->addMenu(menus_.language);
    actions_.languages = new QActionGroup(menus_.language);
    AddItem(menus_.language, "mnuLanguageSystem", QT_TRANSLATE_NOOP("Numora", "System"), {}, true)->setData(QString());
    for (const LanguageItem& item : kLanguageItems) {
        // Each language is named in itself, whatever the window's language.
        QAction* action = menus_.language->addAction(QString::fromUtf8(item.name));
        action->setObjectName(QString("mnuLanguage_") + item.code);
        action->setCheckable(true);
        action->setData(QString(item.code));
    }
    for (QAction* action : menus_.language->actions()) actions_.languages->addAction(action);
    AddSeparator(menus_.file, "mnuDum5");
    menus_.funct = AddMenu(menus_.file, "mnuFunct", QT_TRANSLATE_NOOP("Numora", "Functions"));
    menus_.file->addMenu(menus_.funct);
    const std::array<const char*, 4> functNames{"mnuFunct1", "mnuFunct2", "mnuFunct3", "mnuFunct4"};
    const std::array<const char*, 4> functCaptions{
        QT_TRANSLATE_NOOP("Numora", "1st Function"), QT_TRANSLATE_NOOP("Numora", "2nd Function"),
        QT_TRANSLATE_NOOP("Numora", "3rd Function"), QT_TRANSLATE_NOOP("Numora", "Calc Mode")};
    for (int page = 0; page < 4; ++page) {
        actions_.funct[page] =
            AddItem(menus_.funct, functNames[page], functCaptions[page], QKeySequence(Qt::Key_F1 + page), true);
        connect(actions_.funct[page], &QAction::triggered, this,
                [this, page] { widgets_.selectTab->setCurrentIndex(page); });
    }
    AddSeparator(menus_.file, "mnuDum5a");
    actions_.close = AddItem(menus_.file, "mnuClose", QT_TRANSLATE_NOOP("Numora", "Close"));
    actions_.close->setShortcuts({Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Q});  // Ctrl+Q: desktop habit
    bar->addMenu(menus_.file);

    menus_.edit = AddMenu(bar, "mnuEdit", QT_TRANSLATE_NOOP("Numora", "&Edit"));
    actions_.copy =
        AddItem(menus_.edit, "mnuCopy", QT_TRANSLATE_NOOP("Numora", "Copy Result to Clipboard"), Qt::CTRL | Qt::Key_C);
    AddSeparator(menus_.edit, "mnuDum3");
    actions_.paste = AddItem(menus_.edit, "mnuPaste", QT_TRANSLATE_NOOP("Numora", "Paste to Display as Input"),
                             Qt::CTRL | Qt::Key_V);
    AddSeparator(menus_.edit, "mnuDumUndo");
    actions_.undo = AddItem(menus_.edit, "mnuUndo", QT_TRANSLATE_NOOP("Numora", "Undo"), QKeySequence::Undo);
    actions_.redo = AddItem(menus_.edit, "mnuRedo", QT_TRANSLATE_NOOP("Numora", "Redo"), Qt::CTRL | Qt::Key_Y);
    actions_.redo->setShortcuts({Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    AddSeparator(menus_.edit, "mnuDum6");
    actions_.tape =
        AddItem(menus_.edit, "mnuTape", QT_TRANSLATE_NOOP("Numora", "Tape"), Qt::CTRL | Qt::SHIFT | Qt::Key_T, true);
    bar->addMenu(menus_.edit);

    menus_.mode = AddMenu(bar, "mnuMode", QT_TRANSLATE_NOOP("Numora", "&Modes"));
    menus_.displayMode = AddMenu(menus_.mode, "mnuDisplayMode", QT_TRANSLATE_NOOP("Numora", "Display Mode"));
    menus_.mode->addMenu(menus_.displayMode);
    actions_.fixed =
        AddItem(menus_.displayMode, "mnuFixed", QT_TRANSLATE_NOOP("Numora", "Fixed Mode"), Qt::CTRL | Qt::Key_F, true);
    actions_.sci = AddItem(menus_.displayMode, "mnuSci", QT_TRANSLATE_NOOP("Numora", "Scientific Mode"),
                           Qt::CTRL | Qt::Key_S, true);
    actions_.normal = AddItem(menus_.displayMode, "mnuNormal", QT_TRANSLATE_NOOP("Numora", "Normal Mode"),
                              Qt::CTRL | Qt::Key_N, true);
    AddSeparator(menus_.mode, "mnuDum1");
    menus_.angular = AddMenu(menus_.mode, "mnuAngular", QT_TRANSLATE_NOOP("Numora", "&Angular Mode"));
    menus_.mode->addMenu(menus_.angular);
    actions_.degree =
        AddItem(menus_.angular, "mnuDegree", QT_TRANSLATE_NOOP("Numora", "Degree Mode"), Qt::CTRL | Qt::Key_D, true);
    actions_.radian =
        AddItem(menus_.angular, "mnuRadian", QT_TRANSLATE_NOOP("Numora", "Radian Mode"), Qt::CTRL | Qt::Key_R, true);
    actions_.gradian =
        AddItem(menus_.angular, "mnuGradian", QT_TRANSLATE_NOOP("Numora", "Gradian Mode"), Qt::CTRL | Qt::Key_G, true);
    bar->addMenu(menus_.mode);

    CreateViewMenu();

    menus_.help = AddMenu(bar, "mnuHelp", QT_TRANSLATE_NOOP("Numora", "&Help"));
    actions_.helpTopics = AddItem(menus_.help, "mnuHelpTopics", QT_TRANSLATE_NOOP("Numora", "Help Topics"));
    AddSeparator(menus_.help, "mnuDum2");
    actions_.about = AddItem(menus_.help, "mnuAbout", QT_TRANSLATE_NOOP("Numora", "About Calculator"));
    bar->addMenu(menus_.help);

    connect(menus_.file, &QMenu::aboutToShow, this, [this] { mnuFile_Click(); });
    connect(menus_.edit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
    connect(menus_.mode, &QMenu::aboutToShow, this, [this] { mnuMode_Click(); });
    connect(actions_.onTop, &QAction::triggered, this, [this] { mnuOnTop_Click(); });
    connect(actions_.readOut, &QAction::triggered, this, [this] { mnuReadOut_Click(); });
    connect(actions_.close, &QAction::triggered, this, &QWidget::close);
    connect(actions_.copy, &QAction::triggered, this, [this] { RunEngine(CopyResult); });
    connect(actions_.paste, &QAction::triggered, this, [this] { mnuPaste_Click(); });
    connect(actions_.tape, &QAction::triggered, this, [this](bool shown) {
        StorePreference(settings_, kTapeShownKey, shown);
        ShowTape(shown);
    });
    connect(actions_.fixed, &QAction::triggered, this, [this] { mnuFixedOrSci_Click(FxnButton_Click); });
    connect(actions_.sci, &QAction::triggered, this, [this] { mnuFixedOrSci_Click(ScnButton_Click); });
    connect(actions_.undo, &QAction::triggered, this,
            [this] { RunEngine([this](Calculator& calc) { undo_.Undo(calc); }); });
    connect(actions_.redo, &QAction::triggered, this,
            [this] { RunEngine([this](Calculator& calc) { undo_.Redo(calc); }); });
    connect(actions_.normal, &QAction::triggered, this, [this] { RunKey(StdButton_Click); });
    connect(actions_.degree, &QAction::triggered, this, [this] { RunKey(DegButton_Click); });
    connect(actions_.radian, &QAction::triggered, this, [this] { RunKey(RadButton_Click); });
    connect(actions_.gradian, &QAction::triggered, this, [this] { RunKey(GradButton_Click); });
    connect(actions_.helpTopics, &QAction::triggered, this, [this] { mnuHelpTopics_Click(); });
    connect(actions_.about, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(actions_.languages, &QActionGroup::triggered, this,
            [this](QAction* action) { mnuLanguage_Click(action->data().toString()); });
}

void CalcMainFrm::CreateViewMenu() {
    menus_.view = AddMenu(menuBar(), "mnuView", QT_TRANSLATE_NOOP("Numora", "&View"));
    actions_.zoomIn = AddItem(menus_.view, "mnuZoomIn", QT_TRANSLATE_NOOP("Numora", "Zoom In"), QKeySequence::ZoomIn);
    // Ctrl++ takes Shift on many layouts; Ctrl+= is the same key without it.
    actions_.zoomIn->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    actions_.zoomOut =
        AddItem(menus_.view, "mnuZoomOut", QT_TRANSLATE_NOOP("Numora", "Zoom Out"), QKeySequence::ZoomOut);
    actions_.actualSize =
        AddItem(menus_.view, "mnuActualSize", QT_TRANSLATE_NOOP("Numora", "Actual Size"), Qt::CTRL | Qt::Key_0);
    menuBar()->addMenu(menus_.view);
    connect(actions_.zoomIn, &QAction::triggered, this, [this] { SetZoom(ZoomedIn(zoom_)); });
    connect(actions_.zoomOut, &QAction::triggered, this, [this] { SetZoom(ZoomedOut(zoom_)); });
    connect(actions_.actualSize, &QAction::triggered, this, [this] { SetZoom(kZoomSteps.front()); });
}

void CalcMainFrm::mnuLanguage_Click(const QString& code) {
    StoreLanguage(settings_, code);
    LoadCatalogues(code);
}

void CalcMainFrm::mnuFile_Click() {
    const QString chosen = ChosenLanguage(settings_);
    for (QAction* action : actions_.languages->actions()) action->setChecked(action->data().toString() == chosen);
    for (int page = 0; page < 4; ++page) actions_.funct[page]->setChecked(page == widgets_.selectTab->currentIndex());
}

void CalcMainFrm::mnuEdit_Click() { actions_.copy->setEnabled(!MakeModePanel(*calc_).clockShowing); }

void CalcMainFrm::mnuMode_Click() { SyncModeControls(); }

void CalcMainFrm::mnuOnTop_Click() {
    alwaysOnTopOn_ = !alwaysOnTopOn_;
    actions_.onTop->setChecked(alwaysOnTopOn_);
    StorePreference(settings_, kAlwaysOnTopKey, alwaysOnTopOn_);
    ApplyTopmost();
}

void CalcMainFrm::OfferAlwaysOnTop() {
    const bool offered = PlatformKeepsWindowsOnTop();
    actions_.onTop->setEnabled(offered);
    // The stored choice stays for a session that can keep it.
    actions_.onTop->setChecked(offered && alwaysOnTopOn_);
    actions_.onTop->setToolTip(
        offered ? QString()
                : WindowText(QT_TRANSLATE_NOOP("Numora",
                                               "On this desktop a window cannot keep itself above "
                                               "others; the desktop's window menu can keep it there.")));
    menus_.file->setToolTipsVisible(!offered);
}

void CalcMainFrm::mnuReadOut_Click() {
    calc_->modes.ReadOutLoudOn = !calc_->modes.ReadOutLoudOn;
    actions_.readOut->setChecked(calc_->modes.ReadOutLoudOn);
    StorePreference(settings_, kReadOutLoudKey, calc_->modes.ReadOutLoudOn);
    if (voice_ == nullptr && calc_->modes.ReadOutLoudOn) CreateMainVoice();
    else PrepareVoice();
}

void CalcMainFrm::mnuPaste_Click() {
    if (widgets_.selectTab->currentIndex() != 1 && MakeModePanel(*calc_).clockShowing) RunEngine(EndClock);
    const QLocale locale;
    numberLocale_ = {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
    RunKey([](Calculator& calc) {
        calc.modes.ClockShowing = false;
        DispatchKey(calc, "xtract");
    });
}

// The precision list must be in view when Fixed or Scientific is chosen from the menu.
void CalcMainFrm::mnuFixedOrSci_Click(void (*handler)(Calculator&)) {
    widgets_.selectTab->setCurrentIndex(3);
    RunKey(handler);
}

void CalcMainFrm::mnuHelpTopics_Click() {
    CalcHelpFrm help(calc_->modes.ReadOutLoudOn, this);
    ShowModal(help);
}

void CalcMainFrm::mnuAbout_Click() {
    AboutFrm about(this);
    ShowModal(about);
}
