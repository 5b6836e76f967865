#pragma once

#include <QString>

namespace pelorin {

// "1 picture", "2 pictures": a count of pictures as the windows name it.
QString PicturesText(long long count);

}  // namespace pelorin
