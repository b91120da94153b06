#include "platform/History.h"

#include <unistd.h>

#include <QtGlobal>
#include <algorithm>

#include "platform/Translate.h"

size_t HistoryStep::bytes() const {
  size_t n = 0;
  for (const auto& c : changes) n += c->bytes();
  return n;
}

History::History(size_t byteBudget) : budget_(byteBudget) {}

void History::addPart(StatePart& part) {
  parts_.push_back(&part);
  part.takeChange();
}

void History::setByteBudget(size_t bytes) {
  budget_ = bytes;
  trim();
  notify();
}

size_t History::bytesUsed() const {
  size_t n = 0;
  for (const auto* list : {&undo_, &redo_})
    for (const HistoryStep& s : *list) n += s.bytes();
  for (const auto& c : pending_) n += c->bytes();
  return n;
}

bool History::reserve(size_t bytes) {
  if (bytes > budget_) {
    markUnkept();
    return false;
  }
  // Redo steps go first: the coming step would discard them anyway.
  while (!redo_.empty() && bytesUsed() + bytes > budget_) redo_.pop_front();
  while (!undo_.empty() && bytesUsed() + bytes > budget_) undo_.pop_front();
  notify();
  return true;
}

void History::markUnkept() {
  pendingUnkept_ = true;
  undo_.clear();
  redo_.clear();
  notify();
}

void History::record(std::unique_ptr<Change> change) {
  if (change) pending_.push_back(std::move(change));
}

std::vector<std::unique_ptr<Change>> History::takePartChanges(bool& makesStep) {
  std::vector<std::unique_ptr<Change>> out;
  makesStep = false;
  for (StatePart* p : parts_) {
    if (auto c = p->takeChange()) {
      makesStep = makesStep || p->makesSteps();
      out.push_back(std::move(c));
    }
  }
  return out;
}

void History::syncParts() {
  for (StatePart* p : parts_) p->takeChange();
}

bool History::commit(const std::string& what) {
  bool partStep = false;
  auto partChanges = takePartChanges(partStep);
  const bool anyChange = partStep || !pending_.empty();
  HistoryStep step;
  step.changes = std::move(pending_);
  pending_.clear();
  for (auto& c : partChanges) step.changes.push_back(std::move(c));
  step.what = what;
  for (const auto& c : step.changes)
    if (step.what.empty()) step.what = c->what();
  if (step.what.empty()) step.what = QT_TRANSLATE_NOOP("History", "Change");
  if (pendingUnkept_) {
    pendingUnkept_ = false;
    unkept_ = step.what;
    notify();
    return false;
  }
  if (!anyChange) return false;
  const std::string name = step.what;
  redo_.clear();
  undo_.push_back(std::move(step));
  unkept_.clear();
  trim();
  if (undo_.empty()) unkept_ = name;  // larger than the whole budget
  notify();
  return !undo_.empty();
}

void History::absorb() {
  bool partStep = false;
  auto changes = takePartChanges(partStep);
  if (!partStep || undo_.empty()) return;
  for (auto& c : changes) undo_.back().changes.push_back(std::move(c));
}

void History::discard() {
  pending_.clear();
  pendingUnkept_ = false;
}

void History::clear() {
  pending_.clear();
  pendingUnkept_ = false;
  unkept_.clear();
  undo_.clear();
  redo_.clear();
  syncParts();
  notify();
}

History::Steps History::takeSteps() {
  Steps steps{std::move(undo_), std::move(redo_)};
  clear();
  return steps;
}

void History::putSteps(Steps steps) {
  clear();
  undo_ = std::move(steps.undo);
  redo_ = std::move(steps.redo);
  trim();
  notify();
}

namespace {
// Runs `forward` over the changes in the given order; when one fails, takes back those done.
bool RunAll(std::vector<std::unique_ptr<Change>>& changes, bool undoing) {
  const int n = int(changes.size());
  for (int k = 0; k < n; ++k) {
    Change& c = *changes[undoing ? n - 1 - k : k];
    if (undoing ? c.undo() : c.redo()) continue;
    for (int j = k - 1; j >= 0; --j) {
      Change& d = *changes[undoing ? n - 1 - j : j];
      undoing ? d.redo() : d.undo();
    }
    return false;
  }
  return true;
}
}  // namespace

bool History::undo() {
  return takeBack(true);
}
bool History::redo() {
  return takeBack(false);
}

bool History::takeBack(bool undoing) {
  commit();  // anything not yet in a step becomes one, so undo takes back the latest change
  auto& from = undoing ? undo_ : redo_;
  auto& to = undoing ? redo_ : undo_;
  if (from.empty() || !RunAll(from.back().changes, undoing)) return false;
  to.push_back(std::move(from.back()));
  from.pop_back();
  syncParts();
  trim();
  notify();
  return true;
}

std::string History::undoName() const {
  return undo_.empty() ? std::string() : undo_.back().what;
}
std::string History::redoName() const {
  return redo_.empty() ? std::string() : redo_.back().what;
}

void History::trim() {
  while (int(undo_.size()) > kMaxSteps) undo_.pop_front();
  while (!undo_.empty() && bytesUsed() > budget_) undo_.pop_front();
  while (!redo_.empty() && bytesUsed() > budget_) redo_.pop_front();
}

void History::notify() {
  if (changed) changed();
}

size_t DefaultHistoryBudget() {
  constexpr size_t kMost = size_t(1) << 30;
  const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return kMost;
  return std::min(kMost, size_t(pages) / 4 * size_t(pageSize));
}

namespace {
// `pattern` with its %1 replaced by the step's name, both in the program's language.
std::string WithStep(const char* pattern, const std::string& step) {
  std::string text = Translate("History", pattern);
  const size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, Translate("History", step.c_str()));
  return text;
}
}  // namespace

std::string UndoCaption(const History& h) {
  return h.canUndo() ? WithStep(QT_TRANSLATE_NOOP("History", "Undo %1"), h.undoName())
                     : Translate("History", "Undo");
}

std::string RedoCaption(const History& h) {
  return h.canRedo() ? WithStep(QT_TRANSLATE_NOOP("History", "Redo %1"), h.redoName())
                     : Translate("History", "Redo");
}

std::string UndoHint(const History& h) {
  if (h.canUndo()) return UndoCaption(h);
  if (!h.unkeptName().empty())
    return WithStep(QT_TRANSLATE_NOOP("History", "%1 cannot be undone"), h.unkeptName());
  return Translate("History", "Nothing to undo");
}

std::string RedoHint(const History& h) {
  return h.canRedo() ? RedoCaption(h) : Translate("History", "Nothing to redo");
}
