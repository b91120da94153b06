#pragma once
// The document's undo history: steps of reversible changes, bounded by a step count and a byte
// budget, oldest dropped first. Commands record their changes and end with commit(); pieces of
// the document that are cheap to compare (objects, selections, later extensions) join every
// step as StateParts, which the history compares after each command.
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One reversible change; it restores its own piece of the document and nothing else, so the
// changes of a step can be undone in any order.
class Change {
 public:
  virtual ~Change() = default;
  // False when it could not be done (no memory); the document is then as before the call.
  virtual bool undo() = 0;
  virtual bool redo() = 0;
  // Memory the change holds, in bytes.
  virtual size_t bytes() const = 0;
  // What the change did ("Move object"), for a step its command did not name.
  virtual std::string what() const { return {}; }
};

// A piece of the document the history compares with the state it last saw.
class StatePart {
 public:
  virtual ~StatePart() = default;
  // The change from the state last seen to the current one (null when equal); the current
  // state becomes the one seen.
  virtual std::unique_ptr<Change> takeChange() = 0;
  // False for parts whose change alone is no step of its own (selections).
  virtual bool makesSteps() const { return true; }
};

// A step: the changes one command made, undone and redone together.
struct HistoryStep {
  std::string what;
  std::vector<std::unique_ptr<Change>> changes;
  size_t bytes() const;
};

class History {
 public:
  static constexpr int kMaxSteps = 30;

  explicit History(size_t byteBudget);
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // Adds a piece that joins every step; it must outlive the history's use.
  void addPart(StatePart& part);
  void setByteBudget(size_t bytes);
  size_t byteBudget() const { return budget_; }

  // Before a command keeps `bytes` for its change: drops the redo steps and the oldest steps
  // until it fits. False when it can never fit: the history is emptied and the coming step
  // is marked as one that cannot be undone.
  bool reserve(size_t bytes);
  // The coming step cannot be undone (its change could not be kept): empties the history.
  void markUnkept();
  // A change the running command made; it joins the step of the next commit.
  void record(std::unique_ptr<Change> change);
  // Ends a command: the recorded changes and the parts' changes become one step named `what`
  // (or after its first change that names itself). True when a step was made.
  bool commit(const std::string& what = {});
  // Changes the program made on its own while showing the last step (a paint that puts a
  // value into its range) join that step instead of making one.
  void absorb();
  // The running command changed nothing after all: its recorded changes are dropped.
  void discard();
  // New and Open: no steps, the parts see the current state.
  void clear();
  // The steps of what the document showed, kept aside while it shows something else (another
  // part of the design); the history is then empty.
  struct Steps {
    std::deque<HistoryStep> undo, redo;
  };
  Steps takeSteps();
  // Back to steps taken aside, once the state they belong to is shown again.
  void putSteps(Steps steps);

  bool undo();
  bool redo();
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The step's name, empty when there is none.
  std::string undoName() const;
  std::string redoName() const;
  // The name of the last command whose step could not be kept, until the next step or clear.
  const std::string& unkeptName() const { return unkept_; }
  int undoCount() const { return int(undo_.size()); }
  int redoCount() const { return int(redo_.size()); }
  size_t bytesUsed() const;

  // Called after every change of the steps (the controls update).
  std::function<void()> changed;

 private:
  std::vector<std::unique_ptr<Change>> takePartChanges(bool& makesStep);
  void syncParts();
  // Undoes (or redoes) the last step and moves it to the other list.
  bool takeBack(bool undoing);
  void trim();
  void notify();

  size_t budget_;
  std::vector<StatePart*> parts_;
  std::vector<std::unique_ptr<Change>> pending_;
  bool pendingUnkept_ = false;
  std::string unkept_;
  std::deque<HistoryStep> undo_;  // oldest first
  std::deque<HistoryStep> redo_;  // next redo last
};

// A quarter of the physical memory, at most 1 GiB.
size_t DefaultHistoryBudget();

// Undo / redo captions of menus ("Undo Crop to selection", "Undo").
std::string UndoCaption(const History& history);
std::string RedoCaption(const History& history);
// Hints of the buttons; they also say when the last command could not be kept.
std::string UndoHint(const History& history);
std::string RedoHint(const History& history);
