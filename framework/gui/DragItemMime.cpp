#include "framework/gui/DragItemMime_p.h"

#include <QDrag>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "framework/gui/FolderItem.h"
#include "framework/gui/Hooks_p.h"
#include "framework/gui/detail/Text.h"

namespace fw::detail {
namespace {

// File managers put the dropped files' paths or URLs into text/plain as well; such text says
// nothing the folder items do not.
bool OnlyRestatesFiles(const QString& text, const QList<QUrl>& urls) {
    QStringList known;
    for (const QUrl& url : urls) {
        // Web addresses are what the text is about, not a restatement of files.
        if (!url.isLocalFile()) continue;
        known << url.toString() << url.toString(QUrl::FullyEncoded) << url.toLocalFile();
    }
    if (known.isEmpty()) return false;
    bool any = false;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) continue;
        if (!known.contains(trimmed)) return false;
        any = true;
    }
    return any;
}

bool LooksLikeUrl(const std::string& text) {
    const QUrl url(ToQt(text), QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1 &&
           text.find_first_of(" \t\r\n") == std::string::npos;
}

}  // namespace

DropOffer OfferOf(const QMimeData& data, bool acceptText,
                  const std::function<bool(const std::string& path)>& takesFile) {
    DropOffer offer;
    const QList<QUrl> urls = data.hasUrls() ? data.urls() : QList<QUrl>();
    if (acceptText) {
        QString text = data.hasText() ? data.text() : QString();
        if (text.isEmpty()) {
            // A drop of web addresses without plain text still carries them as text.
            QStringList remote;
            for (const QUrl& url : urls) {
                if (!url.isLocalFile()) remote << url.toString();
            }
            text = remote.join(QLatin1Char('\n'));
        }
        if (!text.isEmpty() && !OnlyRestatesFiles(text, urls)) offer.text = std::move(text);
    }
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        std::string path = FromQt(url.toLocalFile());
        if (takesFile(path)) offer.files.push_back(std::move(path));
    }
    return offer;
}

DragItem DragOf(const DropOffer& offer) {
    std::vector<DragItem::Item> items;
    if (!offer.text.isEmpty()) {
        DragItem::Item item;
        item.text = FromQtText(offer.text);
        items.push_back(std::move(item));
    }
    for (const std::string& path : offer.files) {
        DragItem::Item item;
        item.folderItem = std::make_shared<FolderItem>(path);
        items.push_back(std::move(item));
    }
    return DragItem(std::move(items));
}

std::unique_ptr<QMimeData> DragData(const DragItem& drag) {
    QStringList lines;
    QList<QUrl> urls;
    for (const auto& item : drag.Items()) {
        if (item.folderItem) urls << QUrl::fromLocalFile(ToQt(item.folderItem->NativePath()));
        if (!item.text) continue;
        lines << ToQtText(*item.text);
        if (LooksLikeUrl(*item.text)) urls << QUrl(ToQt(*item.text));
    }
    auto data = std::make_unique<QMimeData>();
    if (!urls.isEmpty()) data->setUrls(urls);
    if (!lines.isEmpty()) data->setText(lines.join(QLatin1Char('\n')));
    return data;
}

void ExecDrag(QWidget* source, std::unique_ptr<QMimeData> data) {
    if (auto& hook = Hooks().dragExec) {
        hook(*data);
        return;
    }
    auto* drag = new QDrag(source);
    drag->setMimeData(data.release());
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

}  // namespace fw::detail
