# Controller and drive texts holding terminal escape sequences and other control bytes.
controller slot1 model=VARNEL_V30 slot=1 pcibus=11 pcidevice=0 pcifunction=0 firmware="2.\033[2J" serial="PVNL\033]0;owned\007" cache=512 batteries=1
drive 1I:1:1 interface=sas size=300GB model="ORVX \033]0;title\007\033[2J" serial="3LM\010\010\0100101" firmware="VD\17707" rpm=10000
drive 1I:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial="3LM2C\2330102" firmware=VD07 rpm=10000
logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=max label="boot\033[31m" access=/dev/sda
