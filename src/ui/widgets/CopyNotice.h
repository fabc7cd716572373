#pragma once
// Copying a result to the clipboard, confirmed by the notice Fts that goes by itself.

#include <QString>

class QWidget;

namespace shrink4 {

inline const QString kCopyFailedMain = QStringLiteral("本次复制产生错误，请重新复制一次");
inline const QString kCopyFailedSplice = QStringLiteral("本次复制出现错误，请再次复制！");
inline const QString kNothingToCopy = QStringLiteral("没有可复制的号码");

inline constexpr int kCopyNoticeMilliseconds = 1200;

// Shows Fts ("复制成功！") over the parent's window without blocking it or taking the
// focus; it closes itself after kCopyNoticeMilliseconds.
void showCopyNotice(QWidget* parent);

// Clears the clipboard and puts text on it. On success shows the notice and returns true;
// when the clipboard does not take the text, shows failureMessage (title "错误提示").
// A blank text is not copied: the player is told so and the clipboard keeps what it held.
bool copyToClipboard(QWidget* parent, const QString& text, const QString& failureMessage);

} // namespace shrink4
