#include "drag_data.h"

#include <QStringList>

namespace tabrel {

namespace {

const QString kFormat = QStringLiteral("application/x-tabrel-drag");

const char* const kKinds[] = {"duty-panel", "worker-list", "day-off-panel", "tile"};

}  // namespace

std::unique_ptr<QMimeData> drag_data(const DropSource& source) {
    auto data = std::make_unique<QMimeData>();
    const QString text = QString::fromLatin1(kKinds[static_cast<int>(source.kind)]) +
                         QLatin1Char(' ') + QString::fromStdString(source.tile);
    data->setData(kFormat, text.toLatin1());
    return data;
}

std::optional<DropSource> drop_source(const QMimeData* data) {
    if (!data || !data->hasFormat(kFormat)) return std::nullopt;
    const QStringList parts = QString::fromLatin1(data->data(kFormat)).split(QLatin1Char(' '));
    for (int kind = 0; kind < 4; ++kind) {
        if (parts.value(0) != QLatin1String(kKinds[kind])) continue;
        DropSource source;
        source.kind = static_cast<DropSource::Kind>(kind);
        source.tile = parts.value(1).toStdString();
        return source;
    }
    return std::nullopt;
}

}  // namespace tabrel
