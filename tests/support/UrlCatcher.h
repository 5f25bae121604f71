#pragma once

#include <initializer_list>

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace testing_support {

// While it lives, receives the addresses of the given schemes that QDesktopServices would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(std::initializer_list<const char*> schemes) {
        for (const char* scheme : schemes) {
            schemes_.append(scheme);
            QDesktopServices::setUrlHandler(scheme, this, "Catch");
        }
    }
    ~UrlCatcher() override {
        for (const QString& scheme : schemes_) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }

    QList<QUrl> urls;

public slots:
    void Catch(const QUrl& url) { urls.append(url); }

private:
    QStringList schemes_;
};

}  // namespace testing_support
