#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

#include "preview/quicksearch.h"
#include "viewfixture.h"

using QuickSearch = ViewFixture;

namespace {

void Compose(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

TEST_F(QuickSearch, TypingFindsNamesIgnoringCase) {
    Fill({"Arial", "Batang", "Courier", "Dotum"});
    QTest::keyClicks(view.get(), "co");
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(view->QSText(), "co");
    EXPECT_EQ(events, (std::vector<std::string>{"qs:c", "qs:co"}));
}

TEST_F(QuickSearch, ANonMatchingKeyRestartsTheSearchAfterTheFocusedRow) {
    Fill({"Xavier", "Arial", "Arrow", "Bar", "Xenon"});
    QTest::keyClicks(view.get(), "ar");
    EXPECT_EQ(view->ItemIndex(), 1);
    QTest::keyClicks(view.get(), "x");
    EXPECT_EQ(view->QSText(), "x");
    EXPECT_EQ(view->ItemIndex(), 4);
}

TEST_F(QuickSearch, SearchWrapsAroundToTheTop) {
    Fill({"Alpha", "Beta", "Gamma", "Delta"});
    view->SetItemIndex(2);
    QTest::keyClicks(view.get(), "b");
    EXPECT_EQ(view->ItemIndex(), 1);
}

TEST_F(QuickSearch, NoMatchAtAllClearsTheTextAndKeepsTheFocus) {
    Fill({"Alpha", "Beta"});
    view->SetItemIndex(1);
    QTest::keyClicks(view.get(), "q");
    EXPECT_EQ(view->QSText(), "");
    EXPECT_EQ(view->ItemIndex(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"qs:"}));
}

TEST_F(QuickSearch, ExclamationMarkAndControlKeysCancel) {
    Fill({"Alpha", "Beta", "Bold"});
    QTest::keyClicks(view.get(), "b");
    QTest::keyClicks(view.get(), "!");
    EXPECT_EQ(view->QSText(), "");
    EXPECT_EQ(view->ItemIndex(), 1);
    QTest::keyClicks(view.get(), "bo");
    QTest::keyClick(view.get(), Qt::Key_Escape);
    EXPECT_EQ(view->QSText(), "");
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(events.back(), "qs:");
}

TEST_F(QuickSearch, TypedNonAsciiCancels) {
    Fill({"Alpha", "\xC3\x89t\xC3\xA9"});
    QTest::keyClicks(view.get(), "a");
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier,
                    QString::fromUtf8("\xC3\xA9"));
    QApplication::sendEvent(view.get(), &typed);
    EXPECT_EQ(view->QSText(), "");
    EXPECT_EQ(view->ItemIndex(), 0);
}

TEST_F(QuickSearch, BackspaceThatEmptiesTheTextGoesToTheFirstRow) {
    Fill({"Alpha", "Beta", "Gamma"});
    QTest::keyClicks(view.get(), "g");
    ASSERT_EQ(view->ItemIndex(), 2);
    QTest::keyClick(view.get(), Qt::Key_Backspace);
    EXPECT_EQ(view->QSText(), "");
    EXPECT_EQ(view->ItemIndex(), 0);
    events.clear();
    QTest::keyClick(view.get(), Qt::Key_Backspace);
    EXPECT_TRUE(events.empty());
}

TEST_F(QuickSearch, ComposedTextIsAppendedAndRemovedAsWholeCharacters) {
    Fill({"Arial", "\xEA\xB5\xB4\xEB\xA6\xBC", "\xEA\xB5\xB4\xEB\xA6\xBC\xEC\xB2\xB4",
          "\xEB\x8F\x8B\xEC\x9B\x80"});
    Compose(view.get(), QString::fromUtf8("\xEA\xB5\xB4"));  // 굴
    EXPECT_EQ(view->ItemIndex(), 1);
    Compose(view.get(), QString::fromUtf8("\xEB\xA6\xBC\xEC\xB2\xB4"));  // 림체
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(view->QSText(), "\xEA\xB5\xB4\xEB\xA6\xBC\xEC\xB2\xB4");
    QTest::keyClick(view.get(), Qt::Key_Backspace);
    EXPECT_EQ(view->QSText(), "\xEA\xB5\xB4\xEB\xA6\xBC");
    Compose(view.get(), QString());
    EXPECT_EQ(view->QSText(), "\xEA\xB5\xB4\xEB\xA6\xBC");
}

TEST(QuickSearchText, RemoveLastCharacterTakesAWholeUtf8Sequence) {
    std::string text = "a\xC3\xA9\xEA\xB5\xB4\xF0\x9F\x98\x80";
    quicksearch::RemoveLastCharacter(text);
    EXPECT_EQ(text, "a\xC3\xA9\xEA\xB5\xB4");
    quicksearch::RemoveLastCharacter(text);
    EXPECT_EQ(text, "a\xC3\xA9");
    quicksearch::RemoveLastCharacter(text);
    EXPECT_EQ(text, "a");
    quicksearch::RemoveLastCharacter(text);
    quicksearch::RemoveLastCharacter(text);
    EXPECT_EQ(text, "");
}

TEST(QuickSearchText, AcceptsSpaceAndPrintableAsciiButNotTheExclamationMark) {
    EXPECT_TRUE(quicksearch::Accepts(U' '));
    EXPECT_TRUE(quicksearch::Accepts(U'"'));
    EXPECT_TRUE(quicksearch::Accepts(U'~'));
    EXPECT_FALSE(quicksearch::Accepts(U'!'));
    EXPECT_FALSE(quicksearch::Accepts(0x7F));
    EXPECT_FALSE(quicksearch::Accepts(U'\r'));
    EXPECT_FALSE(quicksearch::Accepts(0xE9));
}
