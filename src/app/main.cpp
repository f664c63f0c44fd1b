#include "app/CourseApplication.h"
#include "mainwindow/Unit1.h"

int main(int argc, char *argv[])
{
    // The program takes no options: Qt and the web engine see only its name.
    int argumentCount = argc > 0 ? 1 : 0;
    CourseApplication application(argumentCount, argv);
    TForm1 Form1;
    Form1.showMaximized();
    return application.exec();
}
