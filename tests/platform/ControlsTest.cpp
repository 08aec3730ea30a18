#include <gtest/gtest.h>

#include <QWidget>

#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"

TEST(Controls, CtlSetEndsWithExactlyTheFourValues) {
    QWidget parent;
    QWidget child(&parent);
    child.setGeometry(500, 400, 10, 10);
    Ctl_Set(&child, 800, 608, 0, 0);  // grows and moves in one call
    EXPECT_EQ(child.geometry(), QRect(0, 0, 800, 608));
    Ctl_Set(&child, 36, 36, 2 + 38 * 3, 0);
    EXPECT_EQ(child.geometry(), QRect(116, 0, 36, 36));
}

TEST(Controls, ALabelKeepsItsCaptionAndShowsCharacter13AsANewLine) {
    Label label;
    const QString caption = QStringLiteral("  ありがとうございました!!\r   またおいでください");
    label.setCaption(caption);
    EXPECT_EQ(label.caption(), caption);
    EXPECT_EQ(label.text(), QStringLiteral("  ありがとうございました!!\n   またおいでください"));
}

TEST(Controls, APictureBoxSurfaceFollowsItsControlAndKeepsWhatWasDrawn) {
    PictureBox box;
    box.setBackColor(QColor(0, 0, 0));
    box.resize(96, 96);
    box.Cls();
    box.drawBox(0, 0, 92, 92, QColor(255, 0, 0));
    box.resize(128, 128);
    EXPECT_EQ(box.surface().size(), QSize(128, 128));
    EXPECT_EQ(box.surface().pixel(92, 92) & 0xffffff, 0xff0000u);

    PictureBox sheet(nullptr, true);
    QImage art(320, 64, QImage::Format_RGB32);
    art.fill(Qt::white);
    sheet.setPicture(art);
    EXPECT_EQ(sheet.surface().size(), QSize(320, 64));  // a sheet takes its picture's size
}
