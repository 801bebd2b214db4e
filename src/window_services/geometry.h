#pragma once

namespace radixon {

// Screen pixels.
struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point &a, const Point &b) { return a.x == b.x && a.y == b.y; }
    friend Point operator-(const Point &a, const Point &b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator+(const Point &a, const Point &b) { return {a.x + b.x, a.y + b.y}; }
};

// Right and bottom are exclusive, so width is right - left.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    Point topLeft() const { return {left, top}; }

    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect movedTo(Point p) const { return offset(p.x - left, p.y - top); }

    friend bool operator==(const Rect &a, const Rect &b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// Bounding rectangle of both, empty operands included.
inline Rect unionRect(const Rect &a, const Rect &b)
{
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

} // namespace radixon
