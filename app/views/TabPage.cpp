#include "app/views/TabPage.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
QWidget* Filled(QWidget* w, const QColor& c) {
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, c);
  w->setPalette(pal);
  return w;
}

QFont TitleFont() {
  QFont f(QStringLiteral("Arial Black"));
  if (!QFontDatabase::families().contains(f.family())) {
    f = QFont(QStringLiteral("Liberation Sans"));
    f.setWeight(QFont::Black);
  }
  f.setPixelSize(19);
  return f;
}
}  // namespace

TabPage::TabPage(const QString& header, const QString& title, const QString& picture,
                 QWidget* parent)
    : QWidget(parent) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  auto* strip = Filled(new QWidget(this), QColor(240, 202, 166));
  strip->setFixedHeight(33);
  auto* stripLayout = new QHBoxLayout(strip);
  stripLayout->setContentsMargins(8, 0, 8, 0);
  header_ = new QLabel(header, strip);
  QFont bold = header_->font();
  bold.setBold(true);
  header_->setFont(bold);
  stripLayout->addWidget(header_);
  outer->addWidget(strip);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  if (!title.isEmpty()) {
    // The panel scrolls when the window is too low for all its controls.
    auto* panelScroll = new QScrollArea(this);
    panelScroll_ = panelScroll;
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setWidgetResizable(true);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelScroll->setFixedWidth(209);
    Filled(panelScroll, QColor(192, 220, 192));
    leftPanel_ = Filled(new QWidget, QColor(192, 220, 192));
    panelScroll->setWidget(leftPanel_);
    auto* panelLayout = new QVBoxLayout(leftPanel_);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    const QPixmap pixmap = picture.isEmpty() ? QPixmap() : QIcon(picture).pixmap(QSize(96, 96));
    if (!pixmap.isNull()) {
      auto* pic = new QLabel(leftPanel_);
      pic->setPixmap(pixmap);
      pic->setAlignment(Qt::AlignHCenter);
      panelLayout->addWidget(pic);
    }
    auto* titleLabel = new QLabel(title, leftPanel_);
    titleLabel->setObjectName(QStringLiteral("panelTitle"));
    titleLabel->setFont(TitleFont());
    titleLabel->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    titleLabel->setWordWrap(true);
    panelLayout->addWidget(titleLabel);
    body->addWidget(panelScroll);
  }
  outer->addLayout(body, 1);
  setContent(new QWidget(this));
}

void TabPage::setContent(QWidget* content) {
  auto* body = static_cast<QHBoxLayout*>(layout()->itemAt(1)->layout());
  if (content_) {
    body->removeWidget(content_);
    content_->deleteLater();
  }
  content_ = content;
  content->setParent(this);
  body->addWidget(content, 1);
}

void TabPage::settlePanel() {
  if (!leftPanel_) return;
  auto* l = static_cast<QVBoxLayout*>(leftPanel_->layout());
  for (int i = l->count() - 1; i >= 0; --i)
    if (l->itemAt(i)->spacerItem()) delete l->takeAt(i);
  l->addStretch(1);
}
