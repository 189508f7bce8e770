#include "AboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "MainFrameResource.h"
#include "Resource.h"
#include "core/AppServices.h"

// Captions are single-byte text, like every dialog caption of the program.
CAboutDlg::CAboutDlg(QWidget* pParent)
    : CDialog(IDD_ABOUTBOX,
              "Info \xFC"
              "ber Ventry",
              pParent, CloseBox::With) {}

void CAboutDlg::OnInitDialog() {
    auto* icon = new QLabel;
    icon->setPixmap(QPixmap(QString::fromLatin1(MainFrameResource::kIcon)));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QVBoxLayout;
    for (const char* line :
         {"Ventry Version 1.0", "Record editor for Tarnholm database sets",
          "Ten databases, one set, one window", "Copyright (C) 2024 The Ventry developers"}) {
        text->addWidget(new QLabel(QString::fromLatin1(line)));
    }

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addLayout(text, 1);
    layout->addWidget(ok, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
