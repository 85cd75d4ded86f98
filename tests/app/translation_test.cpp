// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: which catalogue a locale gets, that the shipped catalogues are complete,
// and that every text the windows show comes from a catalogue and has a translation there.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <tuple>

#include "app/maindialog.h"
#include "dialogkit/dataexchange.h"
#include "link/settingsblock.h"
#include "platform/translations.h"
#include "resources/strings.h"
#include "tests/app/windowtour.h"
#include "tests/link/fakeserial.h"
#include "tests/support/modal.h"

namespace pelorin::test {
namespace {

constexpr int kTourWaitMs = 20000;  // generous: the machine may be busy

// Catalogue files as the build ships them, found where the program finds them.
QStringList shippedCatalogues() {
    QStringList files;
    for (const QString& folder : translationFolders()) {
        for (const QFileInfo& file :
             QDir(folder).entryInfoList({QStringLiteral("pelorin_*.qm")}, QDir::Files))
            files << file.absoluteFilePath();
        if (!files.isEmpty())
            break;
    }
    return files;
}

// The %1, %2 ... a text fills in, as a sorted set.
std::set<QString> placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?\\d+"));
    std::set<QString> found;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text))
        found.insert(m.captured());
    return found;
}

struct LocaleCase {
    const char* locale;
    const char* catalogue;  // the language of the catalogue it gets, "" for none
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.locale;
}

class CatalogueForLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(CatalogueForLocale, LoadsTheBestFittingCatalogueOrNone) {
    const LocaleCase& c = GetParam();
    QTranslator translator;
    const QString file = loadProgramCatalogue(translator, QLocale(QString::fromLatin1(c.locale)));
    if (*c.catalogue == '\0') {
        EXPECT_TRUE(file.isEmpty()) << file.toStdString();
        return;
    }
    ASSERT_FALSE(file.isEmpty()) << "no catalogue for " << c.locale;
    EXPECT_EQ(translator.language(), QString::fromLatin1(c.catalogue));
    EXPECT_FALSE(translator.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Locales, CatalogueForLocale,
                         ::testing::Values(LocaleCase{"de_DE", "de"}, LocaleCase{"de_AT", "de"},
                                           LocaleCase{"de_CH", "de"}, LocaleCase{"zh_CN", "zh_CN"},
                                           // Traditional Chinese is not Simplified Chinese.
                                           LocaleCase{"zh_TW", ""}, LocaleCase{"en_US", ""},
                                           LocaleCase{"en_GB", ""}, LocaleCase{"fr_FR", ""},
                                           LocaleCase{"C", ""}));

// The sources of the catalogues: every message has a finished translation that fills in the
// same placeholders as its source text.
TEST(Catalogues, EveryMessage_HasAFinishedTranslationWithTheSamePlaceholders) {
    const QDir folder(QStringLiteral(PELORIN_SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("pelorin_*.ts")}, QDir::Files);
    ASSERT_GE(files.size(), 2) << "German and Simplified Chinese";
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
                ++messages;
            } else if (xml.name() == u"translation") {
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                // A plural's forms are child elements; their texts are read together.
                const QString translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                const std::string where =
                    (name + QStringLiteral(": ") + context + QStringLiteral(": ") + source)
                        .toStdString();
                EXPECT_TRUE(type.isEmpty() && !translation.isEmpty())
                    << where << " is not translated (" << type.toStdString() << ")";
                if (!translation.isEmpty()) {
                    EXPECT_EQ(placeholders(translation), placeholders(source)) << where;
                }
            }
        }
        EXPECT_FALSE(xml.hasError())
            << name.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 0) << name.toStdString();
    }
}

// Stands in for a catalogue: every text looked up is recorded and comes back marked, so a text
// on the screen without the marks did not come through the translation system.
class ProbeTranslator : public QTranslator {
public:
    static constexpr QChar kOpen = QChar(0x27E6);
    static constexpr QChar kClose = QChar(0x27E7);

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int) const override {
        looked.insert({QString::fromUtf8(context), QString::fromUtf8(source),
                       QString::fromUtf8(disambiguation)});
        return kOpen + QString::fromUtf8(source) + kClose;
    }

    // What of `text` did not come from a lookup (marked parts removed, inner ones first).
    static QString unmarked(QString text) {
        static const QRegularExpression marked(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
        for (QString before; before != text;) {
            before = text;
            text.remove(marked);
        }
        return text;
    }

    mutable std::set<std::tuple<QString, QString, QString>> looked;
};

bool hasLetter(const QString& text) {
    for (const QChar c : text) {
        if (c.isLetter())
            return true;
    }
    return false;
}

// Every text a window shows: captions, labels, buttons, group titles, list entries, menu
// entries, tooltips and what a screen reader is told.
QStringList visibleTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            texts << edit->placeholderText();
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        }
        for (QAction* action : w->actions())
            texts << action->text() << action->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

// Names that are not texts: the ports' "COMn" and the program's own name in the window menu.
bool isName(const QString& text) {
    static const QRegularExpression port(QStringLiteral("^COM\\d+$"));
    return port.match(text).hasMatch() || text == QString::fromUtf8(kProgramName);
}

// What Qt looks up for itself (its classes' texts and the layout direction): qtbase's
// catalogue translates that, not the program's.
bool isQtsOwn(const QString& context, const QString& source) {
    return source == QStringLiteral("QT_LAYOUT_DIRECTION") ||
           (context.startsWith(u'Q') && context != QStringLiteral("QObject"));
}

TEST(Translations, EveryWindowText_ComesFromTheCataloguesAndIsTranslatedInEach) {
    const QStringList catalogues = shippedCatalogues();
    ASSERT_GE(catalogues.size(), 2) << "no catalogues beside the test program";

    auto probe = std::make_unique<ProbeTranslator>();
    QCoreApplication::installTranslator(probe.get());
    MessageRecorder messages;
    QStringList untranslated;
    {
        auto serial = std::make_unique<testing::FakeSerialControl>();
        serial->makeOpenable(2);
        PortDiscovery discover = serial->discovery();
        MainDialog window(std::move(serial), std::move(discover));
        window.setSaveChooser([](QWidget*, const QString&) { return QString(); });
        window.setOpenChooser([](QWidget*, const QString&) { return QString(); });
        // With a history, the window menu's History… opens its window too.
        QTemporaryDir historyDir;
        window.setHistoryFile(historyDir.filePath(QStringLiteral("history.jsonl")));
        // A helicopter type shows every button and every entry of the switch lists.
        window.session().settings.modelType = 1;
        window.session().blockBytes[block::kModelAndStick] = 0x01;
        window.updateCurveButtons();
        whenModalOpens<MainDialog>(
            [&](MainDialog* main) {
                tourWindows(*main, [&](QWidget* w) {
                    for (const QString& text : visibleTexts(w)) {
                        if (hasLetter(ProbeTranslator::unmarked(text)) && !isName(text))
                            untranslated
                                << w->metaObject()->className() + QStringLiteral(": ") + text;
                    }
                });
                main->reject();
            },
            kTourWaitMs);
        window.run();
    }
    // The messages of data exchange, which any editor may show.
    (void)integerExpectedMessage();
    (void)integerRangeMessage(0, 1);
    QCoreApplication::removeTranslator(probe.get());

    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QStringLiteral("\n")).toStdString();
    ASSERT_GT(probe->looked.size(), 50u) << "the tour saw hardly any window";
    for (const QString& path : catalogues) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(path)) << path.toStdString();
        for (const auto& [context, source, disambiguation] : probe->looked) {
            if (isQtsOwn(context, source))
                continue;
            const QString translated = catalogue.translate(
                context.toUtf8().constData(), source.toUtf8().constData(),
                disambiguation.isEmpty() ? nullptr : disambiguation.toUtf8().constData());
            EXPECT_FALSE(translated.isEmpty())
                << QFileInfo(path).fileName().toStdString() << " has no translation of "
                << context.toStdString() << " \"" << source.toStdString() << "\"";
        }
    }
}

}  // namespace
}  // namespace pelorin::test
