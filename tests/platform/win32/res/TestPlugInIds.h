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
