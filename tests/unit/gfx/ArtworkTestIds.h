#pragma once

// Resources of the artwork loader's tests (ArtworkTest.rc). The RCDATA ids
// follow the program's rule, id * IDR_SCALED_PER_BITMAP + set; the test
// checks that they do.
#define IDB_ART_SAMPLE 40      // BITMAP: artwork_sample.bmp, 3 x 2
#define IDR_ART_SAMPLE_150 402 // its 150 % image (set 2): artwork_sample.png, 5 x 3
#define IDB_ART_GARBAGE 41
#define IDR_ART_GARBAGE_150 412 // not a PNG at all
#define IDB_ART_TRUNCATED 42
#define IDR_ART_TRUNCATED_150 422 // artwork_truncated.png: header intact, image data cut
