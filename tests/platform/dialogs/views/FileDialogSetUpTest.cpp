#include <QAbstractItemView>
#include <QComboBox>
#include <QFileSystemModel>
#include <QTest>
#include <QFileDialog>
#include <QRegularExpression>
#include <gtest/gtest.h>

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

// Whether the toolkit, matching case-sensitively, lets `name` pass the filter `qtFilter`.
bool QtPasses(const QString& qtFilter, const QString& name) {
  const QString patterns = qtFilter.mid(qtFilter.lastIndexOf('(') + 1).chopped(1);
  for (const QString& p : patterns.split(' ', Qt::SkipEmptyParts))
    if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(p)).match(name).hasMatch())
      return true;
  return false;
}
}  // namespace

TEST(FileDialogSetUpTest, LabelsReadAsWrittenAndPatternsIgnoreCase) {
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
  const QStringList picture = QtFilterList(kPictureOpenFilter);
  ASSERT_EQ(picture.size(), 14);
  const struct {
    int entry;
    const char* name;
    bool passes;
  } names[] = {{0, "photo.jpg", true}, {0, "SCAN.Tif", true},   {0, "notes.txt", false},
               {6, "photo.jpg", true}, {6, "PHOTO.JPG", true},  {6, "photo.png", false},
               {13, "README", true},   {13, "a.b", true}};
  for (const auto& n : names)
    EXPECT_EQ(QtPasses(picture[n.entry], n.name), n.passes) << n.entry << " " << n.name;
  EXPECT_TRUE(QtPasses(QtFilterList("CD cover files (*.cov)|*.cov")[0], "DESIGN.COV"));
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
  for (const char* name : {"photo.jpg", "SCAN.TIF", "DESIGN.COV", "cover.cov", "README", "notes.txt"})
    WriteBytes(dir.file(name), {1});
  const struct {
    std::string filter;
    int entry;
    QStringList listed;
  } cases[] = {
      {kPictureOpenFilter, 0, {"SCAN.TIF", "photo.jpg"}},
      {kPictureOpenFilter, 6, {"photo.jpg"}},
      {kPictureOpenFilter, 13, {"DESIGN.COV", "README", "SCAN.TIF", "cover.cov", "notes.txt", "photo.jpg"}},
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
