#include "platform/ui/StoredPropertyList.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include "platform/core/Exceptions.h"

namespace platform {

std::string StoredPropertyList(std::string_view name) {
    const QString path = QStringLiteral(":/properties/") +
                         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                         QStringLiteral(".bin");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw RuntimeException("The property list \"" + std::string(name) +
                               "\" is not part of the application (no resource " +
                               path.toStdString() + ").");
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw RuntimeException("The property list \"" + std::string(name) +
                               "\" cannot be read: " + file.errorString().toStdString());
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace platform
