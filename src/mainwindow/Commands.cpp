#include "mainwindow/Commands.h"

#include "mainwindow/CoursePages.h"

namespace {

constexpr Command nothing{Command::Nothing, {}};
constexpr Command localPage(QStringView path) { return {Command::LocalPage, path}; }
constexpr Command link(QStringView query) { return {Command::Link, query}; }

struct NamedCommand
{
    QStringView text;
    Command command;
};

// In order; the first whole, exact match decides.
constexpr NamedCommand treeCommands[] = {
    {u"辅导课程和复习资料精选", localPage(startPage)},
    {u"精讲班视频课程", nothing},
    {u"真题解析班视频课程", nothing},
    {u"考点视频精讲", nothing},
    {u"历年真题详解", nothing},
    {u"章节题库|模拟试题", nothing},
    {u"考前预测", nothing},
    {u"在线咨询", link(u"?@kv7rmt")},
    {u"联系我们", localPage(contactPage)},
    {u"退出", {Command::Exit, {}}},
};

} // namespace

Command treeCommand(const QString &nodeText)
{
    for (const NamedCommand &entry : treeCommands) {
        if (entry.text == nodeText)
            return entry.command;
    }
    return {Command::Lesson, {}};
}

QList<ControlCommand> controlCommands()
{
    return {
        {u"suiButton1", link(u"?@jsz")},    // 考试动态
        {u"suiButton2", localPage(startPage)}, // 复习资料
        {u"suiButton3", link(u"?@jsz2")},   // 辅导课程
        {u"suiButton4", link(u"?@jsz2")},   // 历年真题
        {u"suiButton5", link(u"?@jsz2")},   // 考试题库
        {u"suiButton6", link(u"?@jsz")},    // 论坛交流
        {u"suiButton7", localPage(contactPage)}, // 联系我们
        {u"suiButton8", link(u"?@kv7rmt")}, // 在线咨询
        {u"Image1", {Command::HomePage, {}}},  // the logo
    };
}
