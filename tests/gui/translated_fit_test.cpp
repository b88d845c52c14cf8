// SPDX-License-Identifier: MIT
// Every text of the face and its windows fits its widget in each catalogue and in a
// pseudo-translation 40% longer than English; CTest runs it at 100% and at 200% scaling.
#include <QAbstractButton>
#include <QAction>
#include <QStyle>
#include <QTabBar>
#include <QTranslator>

#include "core/translation.h"
#include "face_fixture.h"
#include "shell/language.h"
#include "widgets/text_fit.h"

namespace {

// Each line of every text 40% longer, its mnemonics and placeholders kept.
class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
        if (!source || !*source) return {};
        QStringList lines = QString::fromUtf8(source).split('\n');
        for (QString& line : lines) line += QString((line.size() * 2 + 4) / 5, QChar(u'w'));
        return lines.join('\n');
    }
};

// The texts below `root` that do not fit their widgets.
QStringList Clipped(QWidget* root) {
    QStringList clipped;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(root->window())) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text())) continue;
            QString shown = label->text();
            if (label->buddy()) shown.replace("&&", "\1").remove('&').replace('\1', '&');
            for (const QString& line : shown.split('\n'))
                if (label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width() + 1)
                    clipped << label->objectName() + ": " + line;
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            const int margins = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            if (button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + margins >
                button->width())
                clipped << button->objectName() + ": " + button->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width() + 1)
                clipped << button->objectName() + ": " + button->text();
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) > tabs->tabRect(i).width())
                    clipped << "tab: " + tabs->tabText(i);
        }
    }
    return clipped;
}

}  // namespace

class TranslatedFitTest : public QObject {
    Q_OBJECT

    FaceFixture face_;
    PseudoTranslator pseudo_;

    void Check(QWidget* window) {
        const QStringList clipped = Clipped(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(window->windowTitle() + ": " + clipped.join(" | ")));
    }
    void CheckModal(const char* action) {
        bool seen = false;
        HandleNextModal([&](QWidget* modal) {
            seen = true;
            Check(modal);
        });
        face_.Find<QAction>(action)->trigger();
        QVERIFY2(seen, action);
    }

private slots:
    void initTestCase() { FitTextsOfEveryWindow(*qApp); }

    void textsFit_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es", "pseudo"}) QTest::newRow(language) << QString(language);
    }
    void textsFit() {
        QFETCH(QString, language);
        if (language == "pseudo") {
            LoadCatalogues("en");
            QCoreApplication::installTranslator(&pseudo_);
            InstallTextTranslator(
                [](const char* context, const char* text) {
                    return QCoreApplication::translate(context, text).toStdString();
                },
                "en");
        } else {
            QCOMPARE(LoadCatalogues(language), language);
        }
        CalcMainFrm& window = face_.Start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int page = 0; page < 4; ++page) {
            face_.Find<QTabWidget>("SelectTab")->setCurrentIndex(page);
            Check(&window);
        }
        // Fitted again at each zoom from the texts' own fonts, not from those fitted before.
        while (face_.Find<QAction>("mnuZoomIn")->isEnabled()) {
            face_.Find<QAction>("mnuZoomIn")->trigger();
            for (int page = 0; page < 4; ++page) {
                face_.Find<QTabWidget>("SelectTab")->setCurrentIndex(page);
                Check(&window);
            }
        }
        face_.Find<QAction>("mnuActualSize")->trigger();
        CheckModal("mnuHelpTopics");
        CheckModal("mnuAbout");
        bool registers = false;
        HandleNextModal([&](QWidget* modal) {
            registers = true;
            Check(modal);
        });
        face_.Click("key_Kin");
        QVERIFY(registers);
        face_.Find<QAction>("mnuTape")->trigger();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top != &window) Check(top);
        face_.Close();
        QCoreApplication::removeTranslator(&pseudo_);
    }
};

QTEST_MAIN(TranslatedFitTest)
#include "translated_fit_test.moc"
