#pragma once
// The Texts tab's editor without widgets: tools, mouse gestures, handles, zoom and pan, keys,
// what the property pages and the pop-up menu show, and the property commands.
#include <array>

#include "cover/CoverDialogs.h"
#include "cover/ObjectTable.h"
#include "platform/device/Device.h"
#include "platform/dialogs/Dialogs.h"

enum class MouseButton { Left, Right, Other };
enum class EditorKey { Delete, Up, Down, Other };

// Cursor numbers of the view (see CursorByNumber).
enum : int { kCursorArrow = 10, kCursorHand = 9, kCursorZoom = 11, kCursorPlace = 12 };

// What the editor needs to know of the view and its scroll area.
struct ViewState {
  int viewWidth = 0, viewHeight = 0;      // the view's size, view pixels
  int32_t pageWidth = 0, pageHeight = 0;  // the page, document units
  int scrollX = 0, scrollY = 0;           // scroll positions
  int rangeX = 0, rangeY = 0;             // scroll bar ranges (the content's size)
  int areaWidth = 0, areaHeight = 0;      // the scroll area's visible size
};

// What the view does after an event.
struct EditorResult {
  bool repaint = false;      // paint the whole view
  bool moveFrame = false;    // a drag moved the inverted frame
  int cursor = 0;            // new cursor number, 0 when unchanged
  bool pointerTool = false;  // the tool bar goes back to the pointer
  bool popup = false;        // open the pop-up menu at (popupX, popupY), view pixels
  int popupX = 0, popupY = 0;
  bool resizeView = false;  // a zoom step: resize the view first (no paint meanwhile) ...
  int viewWidth = 0, viewHeight = 0;
  bool scroll = false;  // ... then set both scroll positions
  int scrollX = 0, scrollY = 0;
};

// What a paint of the view does after the property pages were refreshed.
struct PaintPlan {
  bool draw = false;    // draw picture, objects and frame into the buffer and show it
  bool resize = false;  // resize the view to width x height; the resize paints again
  int width = 0, height = 0;
};

// The selection frame and its handles in device pixels.
struct SelectionFrame {
  bool visible = false;
  bool inverted = false;  // during a drag: drawn by inverting, without handles
  RECT frame;
  bool handles = false;
  std::array<RECT, 8> handle{};
};

enum class PropertyPage { None, Kind, Text, Object, Picture };

// The layout controls of a text: the three layouts, the arc and the letter spacing.
struct CurvedTextState {
  bool enabled = false;  // texts only; notes stay straight
  int shape = 0;         // 0 straight, 1 along the top arc, 2 along the bottom arc
  int arc = 180;
  int spacing = 0;
};

// The picture page's controls: how the selected picture object is shown.
inline constexpr int kMaxPictureShadowOffset = 50;

struct PictureState {
  int fit = 0;  // 0 contain, 1 cover, 2 stretch
  int opacity = 100;
  bool keyed = false;
  int tolerance = 0;
  bool frame = false, shadow = false;
  int lineWidth = 1;     // the frame's
  int shadowOffset = 5;  // right and down, in picture pixels
};

// The property pages' controls, as the selection last set them.
struct PanelState {
  bool objectPage = false, kindPage = false, textPage = false, picturePage = false;
  PictureState picture;
  PropertyPage active = PropertyPage::None;
  int form = 3;             // checked form button, -1 none
  bool fillEnabled = true;  // "Border color..." and the fill buttons
  int fillMode = 0;         // checked fill button, -1 none
  int lineWidth = 1;
  int align = 0;  // checked alignment button, -1 none
  CurvedTextState curved;
};

// The pop-up menu's items, as the last opening set them.
struct PopupState {
  bool colorEnabled = true, fontEnabled = true, effectsEnabled = true;
  bool alignEnabled = true, rotateEnabled = true, formsEnabled = true;
  int align = 0;  // checked alignment item, -1 none
  int form = 3;   // checked form item, -1 none
  CurvedTextState curved;
  int x = 0, y = 0;  // where it opened, view pixels ("Place picture..." places there)
};

class Editor {
 public:
  Editor(ObjectTable& table, CoverDialogs& dialogs);

  Tool tool = Tool::Pointer;
  int grabX = 0, grabY = 0;
  int handX = 0, handY = 0;
  bool zoomBusy = false;
  bool skipMouseDown = false;
  int cursor = kCursorArrow;
  // The font dialog's font: kept between uses and given to new objects.
  FontSpec dialogFont;
  double fontDpi = 96.0;

  ObjectTable& table() { return table_; }
  // The view's size for a picture of w x h pixels at the current zoom.
  void viewSize(int pictureWidth, int pictureHeight, int& vw, int& vh) const;
  // Nothing while a zoom step runs; a resize when the view's size differs from the picture's.
  PaintPlan planPaint(int pictureWidth, int pictureHeight, int viewWidth, int viewHeight) const;
  // Device pixels per document unit of the Texts view, for DrawCoverObjects.
  double viewRenderScale() const { return table_.scales().ViewZoom / table_.scales().ViewScale; }
  SelectionFrame selectionFrame(int xOffset, int yOffset) const;
  EditorResult beginDrag(int mx, int my);
  void dragTo(int mx, int my, const ViewState& view);

  EditorResult mouseDown(MouseButton button, int mx, int my, const ViewState& view);
  EditorResult mouseMove(int mx, int my, const ViewState& view);
  EditorResult mouseUp(MouseButton button, int mx, int my, const ViewState& view);
  // A double-click; the press that follows it is delivered by mouseDown.
  EditorResult doubleClick();
  EditorResult keyDown(EditorKey key);
  EditorResult zoom(bool in, int mx, int my, const ViewState& view);

  const PanelState& refreshPanel();
  const PanelState& panel() const { return panel_; }
  // Updates the menu's items for the selection; false when there is nothing to show it for.
  bool preparePopupMenu();
  const PopupState& popup() const { return popup_; }

  // Property commands on the selected object; true when the view must repaint.
  bool setForm(int subKind);
  bool setFillMode(int mode);
  bool setLineWidth(double value);
  bool setAlign(int align);
  bool rotateLeft();
  bool rotateRight();
  bool deleteSelected();
  bool toFront();
  bool toBack();
  bool editColor();
  bool editBorderColor();
  bool enterTexts();
  bool editFont();
  bool editEffects();
  bool setTextShape(int shape);        // 0 straight, 1 top arc, 2 bottom arc
  bool setArc(int degrees);            // limited to 30..360
  bool setLetterSpacing(int percent);  // limited to -50..200

  // Picture objects. Asks for a picture file and keeps it for the next click of the Picture
  // tool; false (after saying why) when none was read.
  bool choosePicture();
  // Asks for a picture and places it with its top left corner at the view point.
  bool placePictureAt(int mx, int my);
  // Asks for a picture and shows it in the selected picture object's box.
  bool replacePicture();
  bool setPictureFit(int fit);  // 0 contain, 1 cover, 2 stretch
  bool turnPicture();           // a quarter clockwise
  bool mirrorPicture(bool leftRight);
  bool setPictureOpacity(int percent);
  // On: the colour of the picture's top left pixel (a logo's background) is left out.
  bool setPictureKeyed(bool on);
  // Leaves out the colour of the picture's pixel (x, y), counted from its top left corner.
  bool setPictureKeyAt(int x, int y);
  // Asks for the colour of the picture's shadow.
  bool editPictureShadowColor();
  // The selected picture object's pixels; null when no picture object is selected.
  const Dib* selectedPictureDib();
  bool setPictureTolerance(int tolerance);
  bool setPictureFrame(bool on);
  bool setPictureShadow(bool on);
  // Moves the shadow `offset` picture pixels right and down (0 to 50).
  bool setPictureShadowOffset(int offset);

 private:
  CoverObject* selected();
  PlacedPicture* selectedPicture();
  // Places `pending_` in the box dragged from (placeX_, placeY_) to the view point; a click
  // places it there with its longer side kPlacedSide view pixels.
  bool placePending(int mx, int my);
  TextLayout* selectedLayout();  // of a selected text that is not a note
  CurvedTextState curvedTextState();
  void setCursor(int number, EditorResult& result);
  EditorResult panWithHand(int mx, int my, const ViewState& view);

  ObjectTable& table_;
  CoverDialogs& dialogs_;
  PanelState panel_;
  PopupState popup_;
  std::shared_ptr<const PicturePixels> pending_;  // chosen for the Picture tool
  int placeX_ = 0, placeY_ = 0;                   // where the Picture tool's press was
};
