# Controller and drive texts holding double quotes, backslashes, control bytes and bytes that are not UTF-8.
controller slot1 model=VARNEL_V30 slot=1 pcibus=11 pcidevice=0 pcifunction=0 firmware="2\"\\" serial="PV\"N\\L\001\377" cache=512 batteries=1
drive 1I:1:1 interface=sas size=300GB model="ORVX \"Q\" \\ \t\300" serial="3LM\"\\\0330101" firmware="V\\07" rpm=10000
drive 1I:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial="3LM2C\2330102" firmware=VD07 rpm=10000
logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=max label="bo\"ot\\" access=/dev/sda
