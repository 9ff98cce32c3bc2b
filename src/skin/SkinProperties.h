#pragma once

// What the skin keeps on the controls it builds, to lay them out again at
// another scale and to give them other images.
namespace SkinProperties {
// QRect: the frame from the definition, in points.
inline constexpr const char* pointFrame = "skinPointFrame";
// QString: the image an image element names.
inline constexpr const char* imageName = "skinImageName";
// int: a table's row height in points.
inline constexpr const char* rowHeight = "skinRowHeight";
// int: on a scroll view, its number of pages; on a page, its place.
inline constexpr const char* pageCount = "skinPageCount";
inline constexpr const char* pageIndex = "skinPageIndex";
// bool: a skip button that shows the skip distance.
inline constexpr const char* showsSkipDistance = "skinShowsSkipDistance";
}
