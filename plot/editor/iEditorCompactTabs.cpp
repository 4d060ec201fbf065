#include "plot/editor/iEditorCompactTabs.h"

#include <QProxyStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

namespace {

/// Pixels taken off each tab's width.
constexpr int kCompactTabTrim = 12;

/// The application's style with narrower tabs.
class CompactTabStyle : public QProxyStyle {
public:
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_TabBarTab) result.rwidth() -= kCompactTabTrim;
    return result;
  }
  /// The caption takes the whole narrowed tab.
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override {
    if (element == SE_TabBarTabText) return option->rect.adjusted(2, 0, -2, 0);
    return QProxyStyle::subElementRect(element, option, widget);
  }
};

}  // namespace

void CompactTabs(QTabWidget& pages) {
  auto* style = new CompactTabStyle;
  style->setParent(pages.tabBar());
  pages.tabBar()->setStyle(style);
}
