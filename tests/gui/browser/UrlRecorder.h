#pragma once

#include <QObject>
#include <QUrl>
#include <vector>

// Stands in for the user's web browser: QDesktopServices hands it the addresses to open.
class UrlRecorder final : public QObject
{
    Q_OBJECT

public:
    std::vector<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};
