// A tab control with its tabs on the right-hand side, wrapping into as many
// columns as the height needs, so that every tab stays in view even when the
// window is a low strip.
#pragma once

#include <QStackedWidget>
#include <QWidget>
#include <functional>

#include "app/guard.h"

class TPageControl : public QWidget {
  Q_OBJECT
 public:
  TPageControl(QWidget* parent, const QString& name);

  void AddPage(QWidget* page, const QString& caption);
  int PageCount() const { return stack_->count(); }
  QWidget* Page(int index) const { return stack_->widget(index); }
  int IndexOf(QWidget* page) const { return stack_->indexOf(page); }
  QString Caption(int index) const { return captions_.value(index); }
  void SetCaption(int index, const QString& caption);

  QWidget* ActivePage() const { return stack_->currentWidget(); }
  // The user chooses another tab (a click on it, or a key): the changing and
  // change handlers run as for a click.
  void ChooseTab(int index);
  // Shows a page from code; no handler runs.
  void SetActivePage(QWidget* page) { stack_->setCurrentWidget(page); }
  // Where the tab of a page is drawn, in this control's coordinates.
  QRect TabRect(int index) const;
  // The length a tab's caption is drawn along its tab, plain or bold (the
  // active tab's); never more than the tab leaves for it.
  qreal CaptionLength(int index, bool bold) const;
  // How much a caption is narrowed along its tab to fit (1: not at all).
  qreal CaptionScale(int index, bool bold) const;
  qreal CaptionRoom(int index) const;
  // The area the pages fill.
  QRect PageRect() const { return stack_->geometry(); }

  // Before a click on another tab changes the page (the page being left is
  // still active), and after.
  std::function<void(QWidget* leaving)> OnChanging;
  Handler OnChange;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayoutTabs();
  int TabLength(int index) const;
  int TabThickness() const;

  QStackedWidget* stack_;
  QStringList captions_;
  QList<QRect> tabRects_;
};
