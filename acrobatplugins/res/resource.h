/*
 * Resource ids of Geometry.api. Shared by Geometry.rc, the localized resource scripts and the C++ code,
 * so it holds plain numbers only. The code also computes some of them (a box picture is
 * IDB_MEDIA_BOX + BoxKind, a box name IDS_MEDIA_BOX + BoxKind, ...): keep each run in BoxKind, UnitKind
 * and PageSet order.
 */
#ifndef GEOMETRY_RESOURCE_H
#define GEOMETRY_RESOURCE_H

/* Dialogs */
#define IDD_PAGE_GEOMETRY           128
#define IDD_TRIM_BOX                130
#define IDD_ABOUT                   20000

/* Controls of the Page Geometry and Trim Box dialogs. The four number fields are named after what they
   show in offsets mode; in coordinates mode they show Right, Top, Left and Bottom. */
#define IDC_APPLY                   1001
#define IDC_EDIT_WIDTH              1002
#define IDC_EDIT_HEIGHT             1003
#define IDC_EDIT_XOFFSET            1004
#define IDC_EDIT_YOFFSET            1005
#define IDC_BOX_LIST                1006
#define IDC_PAGESET_LIST            1007
#define IDC_UNITS_LIST              1008
#define IDC_REGION_LIST             1009
#define IDC_TRIM_SIZE_LABEL         1010
#define IDC_OFFSET_LABEL            1011
/* Field labels. Page Geometry: 1014 and 1015 label the width and height fields, 1012 and 1013 the
   X and Y offset fields; Trim Box: 1012 and 1013 label width and height, 1014 and 1015 the offsets. */
#define IDC_FIELD_LABEL1            1012
#define IDC_FIELD_LABEL2            1013
#define IDC_FIELD_LABEL3            1014
#define IDC_FIELD_LABEL4            1015
#define IDC_REGION_LABEL            1016
#define IDC_UNITS_LABEL             1017
#define IDC_BOX_LABEL               1018
#define IDC_BOX_PICTURE             1019

/* Controls of the About box. One picture control per bitmap id; only the one showing the chosen
   bitmap stays visible. */
#define IDC_ABOUT_VERSION           20010
#define IDC_ABOUT_PICTURE1          20015
#define IDC_ABOUT_PICTURE2          20016
#define IDC_ABOUT_PICTURE3          20017
#define IDC_ABOUT_PICTURE4          20018

/* Strings */
#define IDS_EXCHANGE_ONLY           128
#define IDS_MEDIA_BOX               1013
#define IDS_CROP_BOX                1014
#define IDS_TRIM_BOX                1015
#define IDS_ART_BOX                 1016
#define IDS_BLEED_BOX               1017
#define IDS_POINTS                  1018
#define IDS_INCHES                  1019
#define IDS_CENTIMETERS             1020
#define IDS_MILLIMETERS             1021
#define IDS_TO_THIS_PAGE            1022
#define IDS_TO_ALL_PAGES            1023
#define IDS_TO_EVEN_PAGES           1024
#define IDS_TO_ODD_PAGES            1025
#define IDS_DIMENSIONS              1026
#define IDS_COORDINATES             1027
#define IDS_OFFSETS                 1028
#define IDS_LEFT                    1030
#define IDS_WIDTH                   1031
#define IDS_BOTTOM                  1032
#define IDS_HEIGHT                  1033
#define IDS_X_OFFSET                1034
#define IDS_Y_OFFSET                1035
#define IDS_RIGHT                   1036
#define IDS_TOP                     1037
#define IDS_FIELDS_INVALID          1044
#define IDS_FIELD_INVALID           1045
#define IDS_GEOM_TOOL               1101
#define IDS_TRIM_TOOL               1102
#define IDS_HELP_ITEM               1107
#define IDS_ABOUT_ITEM              1108
#define IDS_ABOUT_VERSION           20019
#define IDS_CAUGHT_EXCEPTION        20024
#define IDS_CAUGHT_SYSTEM_EXCEPTION 20026
#define IDS_OUT_OF_MEMORY           20027
#define IDS_ORBA_TOOLS              20028

/* Bitmaps */
#define IDB_GEOM_TOOL               1001
#define IDB_TRIM_TOOL               1002
#define IDB_MEDIA_BOX               2005
#define IDB_CROP_BOX                2006
#define IDB_TRIM_BOX                2007
#define IDB_ART_BOX                 2008
#define IDB_BLEED_BOX               2009
#define IDB_ABOUT                   20015

/* Cursors of the box rectangle tools, by the region of the box under the pointer */
#define IDCUR_CORNER_NWSE           1001    /* top-left or bottom-right corner */
#define IDCUR_CORNER_NESW           1002    /* top-right or bottom-left corner */
#define IDCUR_EDGE_WE               1003    /* left or right edge */
#define IDCUR_EDGE_NS               1004    /* top or bottom edge */
#define IDCUR_MOVE                  1005    /* inside: moves the whole box */

/* "PDCL" colour resources of the page overlay */
#define IDCLR_CROP_BOX              1001
#define IDCLR_MEDIA_BOX             1002
#define IDCLR_TRIM_BOX              1003
#define IDCLR_ART_BOX               1004
#define IDCLR_BLEED_BOX             1005

#endif /* GEOMETRY_RESOURCE_H */
