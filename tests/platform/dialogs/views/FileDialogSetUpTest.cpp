#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QTest>

#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/views/QtDialogs.h"
#include "tests/support/TestFiles.h"

namespace {
// The labels the user reads in the dialog's file type box.
QStringList ShownLabels(const FileRequest& request, QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  SetUpFileDialog(dialog, request, false);
  auto* box = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  QStringList out;
  for (int i = 0; box && i < box->count(); ++i) out << box->itemText(i);
  return out;
}
}  // namespace

TEST(FileDialogSetUpTest, LabelsReadAsWritten) {
  const struct {
    std::string filter;
    QStringList labels;
  } cases[] = {
      {"PDF files (*.pdf)|*.pdf", {"PDF files (*.pdf)"}},
      {"CD cover files (*.cov)|*.cov", {"CD cover files (*.cov)"}},
      {"All pictures|*.BMP;*.JPG|All files (*.*)|*.*", {"All pictures", "All files (*.*)"}},
  };
  for (const auto& c : cases) {
    FileRequest request;
    request.filter = c.filter;
    QFileDialog dialog;
    EXPECT_EQ(ShownLabels(request, dialog), c.labels) << c.filter;
  }
}

TEST(FileDialogSetUpTest, StartsInTheRequestedOrTheKindsFolder) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  FileRequest request;
  request.kind = FileKind::Design;
  request.initialPath = dir.path().string();
  QFileDialog a;
  SetUpFileDialog(a, request, false);
  EXPECT_EQ(a.directory().absolutePath(), folder);
  request.initialPath.clear();
  RememberFolder(FileKind::Design, dir.file("x.cov"));
  QFileDialog b;
  SetUpFileDialog(b, request, true);
  EXPECT_EQ(b.directory().absolutePath(), folder);
  ForgetFolders();
  QFileDialog c;
  SetUpFileDialog(c, request, true);
  EXPECT_EQ(c.directory().absolutePath().toStdString(), UserFolder(FileKind::Design));
}

TEST(FileDialogSetUpTest, TheDialogListsNamesOfEitherCaseAndReportsTheChosenEntry) {
  TempDir dir;
  for (const char* name :
       {"photo.jpg", "SCAN.TIF", "DESIGN.COV", "cover.cov", "README", "notes.txt"})
    WriteBytes(dir.file(name), {1});
  const struct {
    std::string filter;
    int entry;
    QStringList listed;
  } cases[] = {
      {kPictureOpenFilter, 0, {"SCAN.TIF", "photo.jpg"}},
      {kPictureOpenFilter, 6, {"photo.jpg"}},
      {kPictureOpenFilter,
       13,
       {"DESIGN.COV", "README", "SCAN.TIF", "cover.cov", "notes.txt", "photo.jpg"}},
      {"CD cover files (*.cov)|*.cov", 0, {"DESIGN.COV", "cover.cov"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    FileRequest request;
    request.filter = c.filter;
    request.initialPath = dir.path().string();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetUpFileDialog(dialog, request, false);
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(types);
    types->setCurrentIndex(c.entry);
    emit types->activated(c.entry);  // as the user's choice
    EXPECT_EQ(ChosenFilterIndex(c.filter, dialog.selectedNameFilter()), c.entry + 1);
    dialog.show();
    auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    ASSERT_TRUE(list);
    QStringList listed;  // the folder is read in the background
    for (int waited = 0; waited < 5000 && listed != c.listed; waited += 50) {
      QTest::qWait(50);
      listed.clear();
      const QModelIndex root = list->rootIndex();
      for (int r = 0; r < list->model()->rowCount(root); ++r)
        listed << list->model()->index(r, 0, root).data().toString();
      listed.sort();
    }
    EXPECT_EQ(listed, c.listed);
  }
}
