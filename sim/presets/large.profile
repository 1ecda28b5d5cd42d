# large: four controllers with 64 drives and 32 logical drives each (eight
# arrays of eight drives, four RAID 5 logical drives per array), for benchmarks.
controller slot1 model=VARNEL_V30 slot=1 pcibus=20 pcidevice=0 pcifunction=0 firmware=3.10 serial=PVNLL0000900 cache=1024 batteries=2
drive 1E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0000X firmware=VD07 rpm=10000
drive 1E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0001X firmware=VD07 rpm=10000
drive 1E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0002X firmware=VD07 rpm=10000
drive 1E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0003X firmware=VD07 rpm=10000
drive 1E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0004X firmware=VD07 rpm=10000
drive 1E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0005X firmware=VD07 rpm=10000
drive 1E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0006X firmware=VD07 rpm=10000
drive 1E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0007X firmware=VD07 rpm=10000
drive 1E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0008X firmware=VD07 rpm=10000
drive 1E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0009X firmware=VD07 rpm=10000
drive 1E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0010X firmware=VD07 rpm=10000
drive 1E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0011X firmware=VD07 rpm=10000
drive 1E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0012X firmware=VD07 rpm=10000
drive 1E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0013X firmware=VD07 rpm=10000
drive 1E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0014X firmware=VD07 rpm=10000
drive 1E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0015X firmware=VD07 rpm=10000
drive 2E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0016X firmware=VD07 rpm=10000
drive 2E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0017X firmware=VD07 rpm=10000
drive 2E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0018X firmware=VD07 rpm=10000
drive 2E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0019X firmware=VD07 rpm=10000
drive 2E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0020X firmware=VD07 rpm=10000
drive 2E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0021X firmware=VD07 rpm=10000
drive 2E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0022X firmware=VD07 rpm=10000
drive 2E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0023X firmware=VD07 rpm=10000
drive 2E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0024X firmware=VD07 rpm=10000
drive 2E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0025X firmware=VD07 rpm=10000
drive 2E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0026X firmware=VD07 rpm=10000
drive 2E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0027X firmware=VD07 rpm=10000
drive 2E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0028X firmware=VD07 rpm=10000
drive 2E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0029X firmware=VD07 rpm=10000
drive 2E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0030X firmware=VD07 rpm=10000
drive 2E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0031X firmware=VD07 rpm=10000
drive 3E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0032X firmware=VD07 rpm=10000
drive 3E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0033X firmware=VD07 rpm=10000
drive 3E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0034X firmware=VD07 rpm=10000
drive 3E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0035X firmware=VD07 rpm=10000
drive 3E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0036X firmware=VD07 rpm=10000
drive 3E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0037X firmware=VD07 rpm=10000
drive 3E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0038X firmware=VD07 rpm=10000
drive 3E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0039X firmware=VD07 rpm=10000
drive 3E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0040X firmware=VD07 rpm=10000
drive 3E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0041X firmware=VD07 rpm=10000
drive 3E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0042X firmware=VD07 rpm=10000
drive 3E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0043X firmware=VD07 rpm=10000
drive 3E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0044X firmware=VD07 rpm=10000
drive 3E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0045X firmware=VD07 rpm=10000
drive 3E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0046X firmware=VD07 rpm=10000
drive 3E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0047X firmware=VD07 rpm=10000
drive 4E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0048X firmware=VD07 rpm=10000
drive 4E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0049X firmware=VD07 rpm=10000
drive 4E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0050X firmware=VD07 rpm=10000
drive 4E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0051X firmware=VD07 rpm=10000
drive 4E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0052X firmware=VD07 rpm=10000
drive 4E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0053X firmware=VD07 rpm=10000
drive 4E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0054X firmware=VD07 rpm=10000
drive 4E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0055X firmware=VD07 rpm=10000
drive 4E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0056X firmware=VD07 rpm=10000
drive 4E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0057X firmware=VD07 rpm=10000
drive 4E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0058X firmware=VD07 rpm=10000
drive 4E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0059X firmware=VD07 rpm=10000
drive 4E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0060X firmware=VD07 rpm=10000
drive 4E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0061X firmware=VD07 rpm=10000
drive 4E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0062X firmware=VD07 rpm=10000
drive 4E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL0063X firmware=VD07 rpm=10000
logicaldrive 0 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 1 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 2 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 3 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=max
logicaldrive 4 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 5 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 6 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 7 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=max
logicaldrive 8 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 9 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 10 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 11 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=max
logicaldrive 12 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 13 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 14 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 15 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=max
logicaldrive 16 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 17 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 18 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 19 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=max
logicaldrive 20 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 21 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 22 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 23 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=max
logicaldrive 24 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 25 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 26 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 27 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=max
logicaldrive 28 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 29 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 30 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 31 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=max
controller slot2 model=VARNEL_V32 slot=2 pcibus=21 pcidevice=0 pcifunction=0 firmware=3.10 serial=PVNLL0100900 cache=1024 batteries=2
drive 1E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1000X firmware=VD07 rpm=10000
drive 1E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1001X firmware=VD07 rpm=10000
drive 1E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1002X firmware=VD07 rpm=10000
drive 1E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1003X firmware=VD07 rpm=10000
drive 1E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1004X firmware=VD07 rpm=10000
drive 1E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1005X firmware=VD07 rpm=10000
drive 1E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1006X firmware=VD07 rpm=10000
drive 1E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1007X firmware=VD07 rpm=10000
drive 1E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1008X firmware=VD07 rpm=10000
drive 1E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1009X firmware=VD07 rpm=10000
drive 1E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1010X firmware=VD07 rpm=10000
drive 1E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1011X firmware=VD07 rpm=10000
drive 1E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1012X firmware=VD07 rpm=10000
drive 1E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1013X firmware=VD07 rpm=10000
drive 1E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1014X firmware=VD07 rpm=10000
drive 1E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1015X firmware=VD07 rpm=10000
drive 2E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1016X firmware=VD07 rpm=10000
drive 2E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1017X firmware=VD07 rpm=10000
drive 2E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1018X firmware=VD07 rpm=10000
drive 2E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1019X firmware=VD07 rpm=10000
drive 2E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1020X firmware=VD07 rpm=10000
drive 2E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1021X firmware=VD07 rpm=10000
drive 2E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1022X firmware=VD07 rpm=10000
drive 2E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1023X firmware=VD07 rpm=10000
drive 2E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1024X firmware=VD07 rpm=10000
drive 2E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1025X firmware=VD07 rpm=10000
drive 2E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1026X firmware=VD07 rpm=10000
drive 2E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1027X firmware=VD07 rpm=10000
drive 2E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1028X firmware=VD07 rpm=10000
drive 2E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1029X firmware=VD07 rpm=10000
drive 2E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1030X firmware=VD07 rpm=10000
drive 2E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1031X firmware=VD07 rpm=10000
drive 3E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1032X firmware=VD07 rpm=10000
drive 3E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1033X firmware=VD07 rpm=10000
drive 3E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1034X firmware=VD07 rpm=10000
drive 3E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1035X firmware=VD07 rpm=10000
drive 3E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1036X firmware=VD07 rpm=10000
drive 3E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1037X firmware=VD07 rpm=10000
drive 3E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1038X firmware=VD07 rpm=10000
drive 3E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1039X firmware=VD07 rpm=10000
drive 3E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1040X firmware=VD07 rpm=10000
drive 3E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1041X firmware=VD07 rpm=10000
drive 3E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1042X firmware=VD07 rpm=10000
drive 3E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1043X firmware=VD07 rpm=10000
drive 3E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1044X firmware=VD07 rpm=10000
drive 3E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1045X firmware=VD07 rpm=10000
drive 3E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1046X firmware=VD07 rpm=10000
drive 3E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1047X firmware=VD07 rpm=10000
drive 4E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1048X firmware=VD07 rpm=10000
drive 4E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1049X firmware=VD07 rpm=10000
drive 4E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1050X firmware=VD07 rpm=10000
drive 4E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1051X firmware=VD07 rpm=10000
drive 4E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1052X firmware=VD07 rpm=10000
drive 4E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1053X firmware=VD07 rpm=10000
drive 4E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1054X firmware=VD07 rpm=10000
drive 4E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1055X firmware=VD07 rpm=10000
drive 4E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1056X firmware=VD07 rpm=10000
drive 4E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1057X firmware=VD07 rpm=10000
drive 4E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1058X firmware=VD07 rpm=10000
drive 4E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1059X firmware=VD07 rpm=10000
drive 4E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1060X firmware=VD07 rpm=10000
drive 4E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1061X firmware=VD07 rpm=10000
drive 4E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1062X firmware=VD07 rpm=10000
drive 4E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL1063X firmware=VD07 rpm=10000
logicaldrive 0 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 1 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 2 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 3 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=max
logicaldrive 4 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 5 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 6 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 7 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=max
logicaldrive 8 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 9 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 10 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 11 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=max
logicaldrive 12 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 13 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 14 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 15 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=max
logicaldrive 16 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 17 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 18 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 19 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=max
logicaldrive 20 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 21 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 22 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 23 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=max
logicaldrive 24 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 25 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 26 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 27 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=max
logicaldrive 28 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 29 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 30 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 31 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=max
controller slot3 model=VARNEL_V42 slot=3 pcibus=22 pcidevice=0 pcifunction=0 firmware=3.10 serial=PVNLL0200900 cache=1024 batteries=2
drive 1E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2000X firmware=VD07 rpm=10000
drive 1E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2001X firmware=VD07 rpm=10000
drive 1E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2002X firmware=VD07 rpm=10000
drive 1E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2003X firmware=VD07 rpm=10000
drive 1E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2004X firmware=VD07 rpm=10000
drive 1E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2005X firmware=VD07 rpm=10000
drive 1E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2006X firmware=VD07 rpm=10000
drive 1E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2007X firmware=VD07 rpm=10000
drive 1E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2008X firmware=VD07 rpm=10000
drive 1E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2009X firmware=VD07 rpm=10000
drive 1E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2010X firmware=VD07 rpm=10000
drive 1E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2011X firmware=VD07 rpm=10000
drive 1E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2012X firmware=VD07 rpm=10000
drive 1E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2013X firmware=VD07 rpm=10000
drive 1E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2014X firmware=VD07 rpm=10000
drive 1E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2015X firmware=VD07 rpm=10000
drive 2E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2016X firmware=VD07 rpm=10000
drive 2E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2017X firmware=VD07 rpm=10000
drive 2E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2018X firmware=VD07 rpm=10000
drive 2E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2019X firmware=VD07 rpm=10000
drive 2E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2020X firmware=VD07 rpm=10000
drive 2E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2021X firmware=VD07 rpm=10000
drive 2E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2022X firmware=VD07 rpm=10000
drive 2E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2023X firmware=VD07 rpm=10000
drive 2E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2024X firmware=VD07 rpm=10000
drive 2E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2025X firmware=VD07 rpm=10000
drive 2E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2026X firmware=VD07 rpm=10000
drive 2E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2027X firmware=VD07 rpm=10000
drive 2E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2028X firmware=VD07 rpm=10000
drive 2E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2029X firmware=VD07 rpm=10000
drive 2E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2030X firmware=VD07 rpm=10000
drive 2E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2031X firmware=VD07 rpm=10000
drive 3E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2032X firmware=VD07 rpm=10000
drive 3E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2033X firmware=VD07 rpm=10000
drive 3E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2034X firmware=VD07 rpm=10000
drive 3E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2035X firmware=VD07 rpm=10000
drive 3E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2036X firmware=VD07 rpm=10000
drive 3E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2037X firmware=VD07 rpm=10000
drive 3E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2038X firmware=VD07 rpm=10000
drive 3E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2039X firmware=VD07 rpm=10000
drive 3E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2040X firmware=VD07 rpm=10000
drive 3E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2041X firmware=VD07 rpm=10000
drive 3E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2042X firmware=VD07 rpm=10000
drive 3E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2043X firmware=VD07 rpm=10000
drive 3E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2044X firmware=VD07 rpm=10000
drive 3E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2045X firmware=VD07 rpm=10000
drive 3E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2046X firmware=VD07 rpm=10000
drive 3E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2047X firmware=VD07 rpm=10000
drive 4E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2048X firmware=VD07 rpm=10000
drive 4E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2049X firmware=VD07 rpm=10000
drive 4E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2050X firmware=VD07 rpm=10000
drive 4E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2051X firmware=VD07 rpm=10000
drive 4E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2052X firmware=VD07 rpm=10000
drive 4E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2053X firmware=VD07 rpm=10000
drive 4E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2054X firmware=VD07 rpm=10000
drive 4E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2055X firmware=VD07 rpm=10000
drive 4E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2056X firmware=VD07 rpm=10000
drive 4E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2057X firmware=VD07 rpm=10000
drive 4E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2058X firmware=VD07 rpm=10000
drive 4E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2059X firmware=VD07 rpm=10000
drive 4E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2060X firmware=VD07 rpm=10000
drive 4E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2061X firmware=VD07 rpm=10000
drive 4E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2062X firmware=VD07 rpm=10000
drive 4E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL2063X firmware=VD07 rpm=10000
logicaldrive 0 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 1 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 2 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 3 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=max
logicaldrive 4 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 5 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 6 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 7 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=max
logicaldrive 8 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 9 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 10 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 11 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=max
logicaldrive 12 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 13 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 14 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 15 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=max
logicaldrive 16 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 17 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 18 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 19 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=max
logicaldrive 20 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 21 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 22 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 23 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=max
logicaldrive 24 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 25 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 26 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 27 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=max
logicaldrive 28 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 29 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 30 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 31 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=max
controller slot4 model=VARNEL_V26 slot=4 pcibus=23 pcidevice=0 pcifunction=0 firmware=3.10 serial=PVNLL0300900 cache=1024 batteries=2
drive 1E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3000X firmware=VD07 rpm=10000
drive 1E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3001X firmware=VD07 rpm=10000
drive 1E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3002X firmware=VD07 rpm=10000
drive 1E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3003X firmware=VD07 rpm=10000
drive 1E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3004X firmware=VD07 rpm=10000
drive 1E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3005X firmware=VD07 rpm=10000
drive 1E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3006X firmware=VD07 rpm=10000
drive 1E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3007X firmware=VD07 rpm=10000
drive 1E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3008X firmware=VD07 rpm=10000
drive 1E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3009X firmware=VD07 rpm=10000
drive 1E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3010X firmware=VD07 rpm=10000
drive 1E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3011X firmware=VD07 rpm=10000
drive 1E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3012X firmware=VD07 rpm=10000
drive 1E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3013X firmware=VD07 rpm=10000
drive 1E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3014X firmware=VD07 rpm=10000
drive 1E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3015X firmware=VD07 rpm=10000
drive 2E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3016X firmware=VD07 rpm=10000
drive 2E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3017X firmware=VD07 rpm=10000
drive 2E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3018X firmware=VD07 rpm=10000
drive 2E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3019X firmware=VD07 rpm=10000
drive 2E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3020X firmware=VD07 rpm=10000
drive 2E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3021X firmware=VD07 rpm=10000
drive 2E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3022X firmware=VD07 rpm=10000
drive 2E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3023X firmware=VD07 rpm=10000
drive 2E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3024X firmware=VD07 rpm=10000
drive 2E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3025X firmware=VD07 rpm=10000
drive 2E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3026X firmware=VD07 rpm=10000
drive 2E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3027X firmware=VD07 rpm=10000
drive 2E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3028X firmware=VD07 rpm=10000
drive 2E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3029X firmware=VD07 rpm=10000
drive 2E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3030X firmware=VD07 rpm=10000
drive 2E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3031X firmware=VD07 rpm=10000
drive 3E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3032X firmware=VD07 rpm=10000
drive 3E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3033X firmware=VD07 rpm=10000
drive 3E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3034X firmware=VD07 rpm=10000
drive 3E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3035X firmware=VD07 rpm=10000
drive 3E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3036X firmware=VD07 rpm=10000
drive 3E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3037X firmware=VD07 rpm=10000
drive 3E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3038X firmware=VD07 rpm=10000
drive 3E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3039X firmware=VD07 rpm=10000
drive 3E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3040X firmware=VD07 rpm=10000
drive 3E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3041X firmware=VD07 rpm=10000
drive 3E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3042X firmware=VD07 rpm=10000
drive 3E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3043X firmware=VD07 rpm=10000
drive 3E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3044X firmware=VD07 rpm=10000
drive 3E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3045X firmware=VD07 rpm=10000
drive 3E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3046X firmware=VD07 rpm=10000
drive 3E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3047X firmware=VD07 rpm=10000
drive 4E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3048X firmware=VD07 rpm=10000
drive 4E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3049X firmware=VD07 rpm=10000
drive 4E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3050X firmware=VD07 rpm=10000
drive 4E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3051X firmware=VD07 rpm=10000
drive 4E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3052X firmware=VD07 rpm=10000
drive 4E:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3053X firmware=VD07 rpm=10000
drive 4E:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3054X firmware=VD07 rpm=10000
drive 4E:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3055X firmware=VD07 rpm=10000
drive 4E:2:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3056X firmware=VD07 rpm=10000
drive 4E:2:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3057X firmware=VD07 rpm=10000
drive 4E:2:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3058X firmware=VD07 rpm=10000
drive 4E:2:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3059X firmware=VD07 rpm=10000
drive 4E:2:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3060X firmware=VD07 rpm=10000
drive 4E:2:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3061X firmware=VD07 rpm=10000
drive 4E:2:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3062X firmware=VD07 rpm=10000
drive 4E:2:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LL3063X firmware=VD07 rpm=10000
logicaldrive 0 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 1 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 2 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=400GB
logicaldrive 3 drives=1E:1:1,1E:1:2,1E:1:3,1E:1:4,1E:1:5,1E:1:6,1E:1:7,1E:1:8 raid=5 size=max
logicaldrive 4 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 5 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 6 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=400GB
logicaldrive 7 drives=1E:2:1,1E:2:2,1E:2:3,1E:2:4,1E:2:5,1E:2:6,1E:2:7,1E:2:8 raid=5 size=max
logicaldrive 8 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 9 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 10 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=400GB
logicaldrive 11 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4,2E:1:5,2E:1:6,2E:1:7,2E:1:8 raid=5 size=max
logicaldrive 12 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 13 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 14 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=400GB
logicaldrive 15 drives=2E:2:1,2E:2:2,2E:2:3,2E:2:4,2E:2:5,2E:2:6,2E:2:7,2E:2:8 raid=5 size=max
logicaldrive 16 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 17 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 18 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=400GB
logicaldrive 19 drives=3E:1:1,3E:1:2,3E:1:3,3E:1:4,3E:1:5,3E:1:6,3E:1:7,3E:1:8 raid=5 size=max
logicaldrive 20 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 21 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 22 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=400GB
logicaldrive 23 drives=3E:2:1,3E:2:2,3E:2:3,3E:2:4,3E:2:5,3E:2:6,3E:2:7,3E:2:8 raid=5 size=max
logicaldrive 24 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 25 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 26 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=400GB
logicaldrive 27 drives=4E:1:1,4E:1:2,4E:1:3,4E:1:4,4E:1:5,4E:1:6,4E:1:7,4E:1:8 raid=5 size=max
logicaldrive 28 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 29 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 30 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=400GB
logicaldrive 31 drives=4E:2:1,4E:2:2,4E:2:3,4E:2:4,4E:2:5,4E:2:6,4E:2:7,4E:2:8 raid=5 size=max
