#include "html/html_window_test.h"
#include "html/links/HtmlLink.h"

#include "shell/main_window/MainMenu.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {

using HtmlLinkWindow = HtmlWindowTest;

TEST_F(HtmlLinkWindow, EveryBoxTickedInsertsTheLinkAtTheCaret) {
    Program().CurrentFilePath = u"/web/site/index.html"_s;
    ASSERT_TRUE(form.menu().action(MenuId::MnuHTML_link)->isEnabled());
    form.menu().action(MenuId::MnuHTML_link)->trigger();
    HtmlLink& window = LoadedWindow<HtmlLink>();
    ASSERT_TRUE(window.isVisible());
    EXPECT_FALSE(child(window, u"Command1"_s)->isEnabled());
    EXPECT_FALSE(child(window, u"Text1"_s)->isEnabled());
    EXPECT_FALSE(child(window, u"Text2"_s)->isEnabled());

    platform.fileDialogs.openAnswers << u"/web/site/css/main.css"_s;
    click(window, u"FileChoose"_s);
    ASSERT_EQ(platform.fileDialogs.openRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.openRequests[0].request.filter,
              u"Cascading style sheet (*.css)|*.css"_s);
    EXPECT_TRUE(child(window, u"Command1"_s)->isEnabled());
    tick(window, u"Check1"_s);
    tick(window, u"Check3"_s);
    EXPECT_TRUE(child(window, u"Text1"_s)->isEnabled());
    EXPECT_TRUE(child(window, u"Text2"_s)->isEnabled());

    EXPECT_EQ(confirmOn<HtmlLink>(u"<HEAD></HEAD>"_s, 6, 7),
              u"<HEAD><LINK HREF=\"css/main.css\" REL=\"StyleSheet\" TYPE=\"text/css\"></HEAD>"_s);
    EXPECT_EQ(form.surface().selLength(), 0);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
