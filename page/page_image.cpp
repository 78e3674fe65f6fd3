#include "page/page_image.h"

PageImage gPageImage;
