#include "mainwindow/Unit1.h"

#include "app/AppPath.h"
#include "app/CourseApplication.h"
#include "mainwindow/ApplicationEvents.h"
#include "mainwindow/CoursePages.h"
#include "mainwindow/LessonMaterial.h"
#include "platform/BrowserProfile.h"
#include "platform/ShellOpen.h"
#include "ui_Unit1.h"

#include <QFileInfo>

namespace {

// Handed to the browser as it stands: the engine encodes the query, and the fragment never leaves the machine.
constexpr QStringView counterAddress = u"/count/softcount/?教师资格#综合素质(幼儿园)";
constexpr int expandedPositions = 5;

} // namespace

TForm1::TForm1(const ServiceAddresses &serviceAddresses, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TForm1>())
    , addresses(serviceAddresses)
{
    ui->setupUi(this);

    // Created after the browsers: as the window's last child it outlives their pages.
    QWebEngineProfile *profile = newOffTheRecordProfile(this);
    ui->WebBrowser1->openPage(profile);
    ui->webcount->openPage(profile);
    new ApplicationEvents(ui->WebBrowser1, this);

    connect(ui->TreeView1, &CourseTree::leftClicked, this, &TForm1::TreeView1Click);
    for (const ControlCommand &control : controlCommands()) {
        auto *button = findChild<QAbstractButton *>(control.objectName.toString());
        connect(button, &QAbstractButton::clicked, this, [this, command = control.command] { carryOut(command); });
    }

    CourseApplication::runHandler([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::NavigateLocalPage(const QString &relativePath)
{
    ui->WebBrowser1->Navigate(appRelativePath(relativePath));
}

void TForm1::FormCreate()
{
    NavigateLocalPage(startPage.toString());
    ui->webcount->setSilent(true);
    ui->webcount->Navigate(addresses.CounterServiceUrl + counterAddress.toString());
    for (int position = 0; position < expandedPositions; ++position)
        ui->TreeView1->nodeAtPosition(position)->setExpanded(true);
}

void TForm1::TreeView1Click()
{
    const QTreeWidgetItem *node = ui->TreeView1->selectedNode();
    if (!node)
        return;
    const QString text = node->text(0);
    carryOut(treeCommand(text), text);
}

void TForm1::carryOut(const Command &command, const QString &nodeText)
{
    switch (command.kind) {
    case Command::Nothing:
        break;
    case Command::Lesson:
        showLesson(nodeText);
        break;
    case Command::LocalPage:
        NavigateLocalPage(command.argument.toString());
        break;
    case Command::Link:
        OpenExternalLink(addresses.LinkService + command.argument.toString());
        break;
    case Command::HomePage:
        OpenExternalLink(addresses.HomePageUrl);
        break;
    case Command::Exit:
        close();
        break;
    }
}

void TForm1::showLesson(const QString &nodeText)
{
    const QString relativePath = lessonRelativePath(nodeText);
    if (QFileInfo::exists(appRelativePath(relativePath)))
        NavigateLocalPage(relativePath);
    else
        ui->WebBrowser1->showHtml(missingLessonPage(nodeText, appRelativePath(relativePath)));
}
