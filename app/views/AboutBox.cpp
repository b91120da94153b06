#include "app/views/AboutBox.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/views/WebPage.h"

AboutBox::AboutBox(QWidget* owner) : QDialog(owner) {
  setWindowTitle(QCoreApplication::translate("AboutBox", "Info"));
  setFixedSize(664, 453);
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(24, 24, 24, 16);
  outer->setSpacing(24);

  auto* picture = new QLabel(this);
  picture->setPixmap(QIcon(QStringLiteral(":/quendrix/icon.svg")).pixmap(QSize(192, 192)));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  outer->addWidget(picture);

  auto* texts = new QVBoxLayout;
  auto* name = new QLabel(QStringLiteral("TAVIRON Quendrix 1.1"), this);
  QFont big = name->font();
  big.setPixelSize(26);
  big.setBold(true);
  name->setFont(big);
  name->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
  texts->addWidget(name);
  auto* about =
      new QLabel(QCoreApplication::translate(
                     "AboutBox",
                     "Quendrix makes printed covers and labels for your CDs.\n\n"
                     "Scan a picture or open a picture file, crop, turn and retouch it, put "
                     "texts, notes and shapes over it, centre it on a sheet of label blanks "
                     "and print as many copies as you need, corrected for your printer.\n\n"
                     "Designs are saved as .cov documents and can be printed again at any time."),
                 this);
  about->setWordWrap(true);
  texts->addWidget(about);
  texts->addStretch(1);
  copyright_ = new QLabel(QCoreApplication::translate(
                              "AboutBox", "Copyright \u00A9 XXXX TAVIRON. All rights reserved."),
                          this);
  copyright_->setText(copyright_->text().replace(copyright_->text().indexOf(QStringLiteral("XXXX")),
                                                 4, QString::number(QDate::currentDate().year())));
  texts->addWidget(copyright_);

  auto* buttons = new QHBoxLayout;
  web_ = new QPushButton(QIcon(QStringLiteral(":/quendrix/glyph-web.svg")), kMakerWebCaption, this);
  web_->setToolTip(QCoreApplication::translate("AboutBox", "Go to the TAVIRON website..."));
  connect(web_, &QPushButton::clicked, this, [] { OpenMakerWebPage(); });
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(web_);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  texts->addLayout(buttons);
  outer->addLayout(texts, 1);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}
