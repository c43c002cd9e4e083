// Resource ids of the test plug-in, shared by its resource scripts and the tests.
#pragma once

#define IDB_BITS1 101
#define IDB_BITS4 102
#define IDB_BITS8 103
#define IDB_BITS24 104
#define IDB_BITS32 105
#define IDC_POINTER 201
#define IDI_SMALL 301
#define IDR_PLUGIN_DATA 401

#define IDS_HELLO 1
#define IDS_SIZE 2
#define IDS_UNUSED 3
#define IDS_SECOND_BLOCK 17

// Dialogs and their controls
#define IDD_TEST 501
#define IDD_TEST_EX 502
#define IDD_UNKNOWN_CLASS 503
#define IDD_UNKNOWN_CLASS_NOFAIL 504
#define IDD_BROKEN 505
#define IDC_TEST_LABEL 1001
#define IDC_TEST_EDIT 1002
#define IDC_TEST_PICTURE 1003
#define IDC_TEST_COMBO 1004
#define IDC_TEST_LIST 1005
#define IDC_TEST_CHECK 1010
#define IDC_TEST_RADIO1 1011
#define IDC_TEST_RADIO2 1012
#define IDC_TEST_EX_PICTURE 1013
#define IDC_TEST_UNKNOWN 1020
