#include "platform/DownloadPrompt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {
constexpr int noteShownMs = 8000;
}

DownloadPrompt::DownloadPrompt(QWebEngineProfile *profile, QWebEnginePage *ownPage, QWidget *parent)
    : QLabel(parent)
    , page(ownPage)
{
    setObjectName(QStringLiteral("downloadNote"));
    hide();
    connect(profile, &QWebEngineProfile::downloadRequested, this, [this](QWebEngineDownloadRequest *download) {
        if (download->page() == page)
            ask(download);
    });
}

void DownloadPrompt::ask(QWebEngineDownloadRequest *download)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QFileDialog dialog(window(), tr("保存文件"), QDir(folder).filePath(download->suggestedFileName()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo target(dialog.selectedFiles().constFirst());
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    download->accept();
    tell(tr("正在下载：%1").arg(target.fileName()), true);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, download, target] {
        if (download->state() == QWebEngineDownloadRequest::DownloadCompleted)
            tell(tr("已下载：%1").arg(QDir::toNativeSeparators(target.absoluteFilePath())), false);
        else
            tell(tr("下载失败：%1（%2）").arg(target.fileName(), download->interruptReasonString()), false);
    });
}

void DownloadPrompt::tell(const QString &note, bool lasting)
{
    // Styled when first needed: most runs download nothing.
    if (styleSheet().isEmpty())
        setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 252, 225); color: black;"
                                     " border: 1px solid rgb(127, 127, 127); padding: 3px 8px; }"));
    setText(note);
    adjustSize();
    move(8, parentWidget()->height() - height() - 8);
    show();
    raise();
    if (!lasting)
        QTimer::singleShot(noteShownMs, this, [this, note] {
            if (text() == note)
                hide();
        });
}
