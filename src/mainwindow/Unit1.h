#pragma once

#include "config/ServiceAddresses.h"
#include "mainwindow/Commands.h"
#include <QWidget>
#include <memory>

namespace Ui {
class TForm1;
}

// The one main window. Its components, tree nodes and pictures come from its
// description (Unit1.ui); this class holds the handlers and the creation sequence.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(const ServiceAddresses &addresses = ServiceAddresses::builtIn(), QWidget *parent = nullptr);
    ~TForm1() override;

    // Shows a page given relative to the program's folder, as "data\联系我们.htm".
    void NavigateLocalPage(const QString &relativePath);

private:
    void FormCreate();
    void TreeView1Click();
    // nodeText: the tree entry's text, which names a lesson.
    void carryOut(const Command &command, const QString &nodeText = {});
    void showLesson(const QString &nodeText);

    std::unique_ptr<Ui::TForm1> ui;
    const ServiceAddresses addresses;
};
